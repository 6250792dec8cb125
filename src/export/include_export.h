#pragma once

#include "document/document.h"
#include "document/result.h"

#include <QByteArray>
#include <QString>

namespace vesk4 {

// The include file for the document's flagged pages 0-30, in CR LF lines and code page 932.
// Fails, naming the page, when a flagged page cannot be laid out (its width is below 1, or above 64
// in the two-colour modes); nothing is produced then.
Expected<QByteArray> includeFileBytes(const Document &doc);

// Writes the include file through a QSaveFile: on failure an existing file stays whole.
Status exportInclude(const Document &doc, const QString &path);

} // namespace vesk4
