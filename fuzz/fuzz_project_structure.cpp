// libFuzzer target: short inputs describing a whole project file (project_description.h), so the
// fuzzer reaches every field of the reader, and damage to any one of them, at a hundred files a
// second; the file is only read, saved and read again.
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vesk4::requireOk(vesk4::fuzzProjectStructureQuickly(vesk4::bytesOf(data, size)));
    return 0;
}
