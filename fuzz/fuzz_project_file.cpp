// libFuzzer target: any bytes as a project file, and everything the editor does with one that reads.
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vesk4::requireOk(vesk4::fuzzProjectFile(vesk4::bytesOf(data, size)));
    return 0;
}
