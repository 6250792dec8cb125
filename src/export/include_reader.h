#pragma once

#include "document/document.h"
#include "document/editor_state.h"
#include "document/result.h"
#include "files/project_file.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vesk4 {

// What an include file holds, as a project file would hold it, and what the user should know about
// the reading: a block whose data fits more than one colour mode, a first block moved to page 1, a
// palette or a pattern count that does not survive saving and opening the project.
struct IncludeReadResult {
    ProjectContent content;
    QStringList notices;
};

// The reader refuses larger files; the export never writes more than 256 MiB.
inline constexpr qint64 kMaxIncludeFileBytes = qint64(260) << 20;

// Reads include-file text into the project the editor starts with. Each labelled block becomes the
// page of its place (page 0 upwards): name, sizes, pattern count, output flag 1, and the cells the
// export takes its items from. The colour mode follows from the shape of the data; page 0's palette
// lines give its palette row; the map lines give the map sheet and FileVer 1. A block in a colour
// mode that would change the palette lines goes to page 1 instead. Exporting the project gives the
// text back byte for byte when the export wrote it from patterns inside the sheet.
// Fails with the line of the first thing that cannot be placed or is not understood.
//
// The stages, each in a file of its own: the lines (include_lines), the colour modes a block's
// lines fit (include_shapes), the items put back on a sheet through the export's layout
// (include_blocks), and the pages assembled into a project (here).
Expected<IncludeReadResult> readInclude(QByteArrayView text);

// Reads the include file at path as readInclude() does.
Expected<IncludeReadResult> readIncludeFile(const QString &path);

// The editor's read of an include file: reads the whole file and only when it read replaces the
// document's pages and planes with it, shows page 0, and takes the steps that follow every open
// (loadProjectContent). Gives the reading's notices. A failed read leaves document and state as
// they were.
Expected<QStringList> openIncludeFile(const QString &path, Document &doc, EditorState &state);

} // namespace vesk4
