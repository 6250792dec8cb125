#pragma once

#include "document/document.h"
#include "document/result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vesk4 {

// A document read back from an include file, and what the user should know about the reading: a
// block whose data fits more than one colour mode, a first block moved to page 1, a palette or a
// pattern count that does not survive saving and opening the project.
struct IncludeReadResult {
    Document doc;
    QStringList notices;
};

// The reader refuses larger files; the export never writes more than 256 MiB.
inline constexpr qint64 kMaxIncludeFileBytes = qint64(260) << 20;

// Reads include-file text into the document the editor starts with. Each labelled block becomes the
// page of its place (page 0 upwards): name, sizes, pattern count, output flag 1, and the cells the
// export takes its items from. The colour mode follows from the shape of the data; page 0's palette
// lines give its palette row; the map lines give the map plane and FileVer 1. A block in a colour
// mode that would change the palette lines goes to page 1 instead. Exporting the document gives the
// text back byte for byte when the export wrote it from patterns inside the sheet.
// Fails with the line of the first thing that cannot be placed or is not understood.
Expected<IncludeReadResult> readInclude(QByteArrayView text);

// Reads the include file at path as readInclude() does.
Expected<IncludeReadResult> readIncludeFile(const QString &path);

} // namespace vesk4
