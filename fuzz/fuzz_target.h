#pragma once

// Shared by the libFuzzer targets: a broken rule ends the run like a sanitizer report, so libFuzzer
// keeps the input.

#include "fuzz/fuzz_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vesk4 {

inline QByteArrayView bytesOf(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline void requireOk(const Status &status)
{
    if (status.ok())
        return;
    std::fprintf(stderr, "check failed: %s\n", qPrintable(status.failure().text()));
    std::abort();
}

} // namespace vesk4
