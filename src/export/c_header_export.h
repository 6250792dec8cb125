#pragma once

// The include file's data as a C header, for firmware written in C or C++: one array per flagged
// page holding exactly the bytes of the page's block, and arrays for page 0's palette and the map.

#include "document/document.h"
#include "document/result.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace vesk4 {

// The array name of each flagged page 0-30, in page order: the page name with every character
// outside A-Z, a-z, 0-9 and "_" made "_", "chr_" before it when it is empty or begins with a digit,
// and "_" and the page number after it when an earlier name (or a C or C++ keyword, or a name the
// header defines besides) already has it. fileName, without folder, names the header guard.
std::vector<std::pair<int, QByteArray>> cPageIdentifiers(const Document &doc, const QString &fileName);

// The header in LF lines. Fails, naming the page or map cell, where the include file would hold a
// value that is no byte (0-255), which a uint8_t array cannot carry, or a page cannot be laid out.
Expected<QByteArray> cHeaderBytes(const Document &doc, const QString &fileName);

// Writes the header through a QSaveFile: on failure an existing file stays whole.
Status exportCHeader(const Document &doc, const QString &path);

} // namespace vesk4
