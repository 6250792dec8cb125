// libFuzzer target: any text in the settings panel's number boxes.
#include "fuzz/fuzz_target.h"

#include <clocale>

// The editor's application object takes the user's locale at start-up; so does this target, so a
// run under a locale with a decimal comma reads numbers the way the editor would there.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::setlocale(LC_ALL, "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vesk4::requireOk(vesk4::fuzzNumberText(vesk4::bytesOf(data, size)));
    return 0;
}
