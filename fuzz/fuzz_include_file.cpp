// libFuzzer target: any bytes as an include file read back (`vesk4 from-inc`), and the save and the
// export of what reads.
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vesk4::requireOk(vesk4::fuzzIncludeFileQuickly(vesk4::bytesOf(data, size)));
    return 0;
}
