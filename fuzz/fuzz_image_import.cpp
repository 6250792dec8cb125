// libFuzzer target: any bytes as an image file imported onto a page, through the decoders the editor
// reads images with and the plan of the cells the import changes.
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vesk4::requireOk(vesk4::fuzzImageImport(vesk4::bytesOf(data, size)));
    return 0;
}
