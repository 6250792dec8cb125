// libFuzzer target: short inputs as the page-settings block of a project file whose cells are fixed
// (projectAroundSettings), so the fuzzer's work goes into the settings the export and the canvas use.
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vesk4::requireOk(vesk4::fuzzProjectSettings(vesk4::bytesOf(data, size)));
    return 0;
}
