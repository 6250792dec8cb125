#pragma once

#include "document/result.h"

#include <QIODevice>
#include <QString>

#include <functional>

namespace vesk4 {

// Writes a file through QSaveFile: the file at path is replaced only when write succeeded and every
// byte reached the disk, so a failure leaves any old file whole and no new one behind.
Status writeWholeFile(const QString &path, const std::function<Status(QIODevice &)> &write);

// The path as the user's system writes it, for messages.
QString shownPath(const QString &path);

} // namespace vesk4
