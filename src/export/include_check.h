#pragma once

#include "document/document.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace vesk4 {

// The first line where an include file differs from what the export writes for a document.
struct IncludeDifference {
    int line = 0;
    QString place; // what the export writes there: "page 3 "Chr03", pattern 5", "the map", ...
    std::optional<QByteArray> expected; // the export's line; none past its end
    std::optional<QByteArray> found; // the file's line; none past its end
    QString cause; // what differs where the characters do not show it (line ends, encoding); or empty
};

// Compares text with exported, the export's bytes for doc, line by line (a line ends with LF, CR LF or a CR
// alone). Nothing when they are the same bytes.
std::optional<IncludeDifference> firstIncludeDifference(const Document &doc, QByteArrayView exported,
                                                        QByteArrayView text);

} // namespace vesk4
