#pragma once

#include "document/result.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace vesk4 {

// Writes a file through QSaveFile: the file at path is replaced only when write succeeded and every
// byte reached the disk, so a failure leaves any old file whole and no new one behind. A device or a
// pipe at path is written into as it is, never replaced; a pipe nobody reads from is refused. A
// failure says the system's reason ("No space left on device").
Status writeWholeFile(const QString &path, const std::function<Status(QIODevice &)> &write);
// The same for bytes made beforehand.
Status writeWholeFile(const QString &path, const QByteArray &bytes);

// Reads the whole file at path, for the readers that take a file in one piece. Refuses a folder and
// a file it cannot open for reading (with the system's reason), and stops with a failure once more
// than limit bytes have come: the bytes read are counted, since a device or a pipe tells no size. A
// pipe is not waited on: one no program writes into is refused.
Expected<QByteArray> readWholeFile(const QString &path, qint64 limit);

// Reads what is left of an open device, failing as readWholeFile does once more than limit bytes
// have come. what names the device in messages.
Expected<QByteArray> readWholeDevice(QIODevice &in, qint64 limit, const QString &what);

// The path as the user's system writes it, for messages.
QString shownPath(const QString &path);

// Text taken from a file, for a message: each control character (an escape sequence, a NUL, a line
// end) is shown as '?', so what a file holds cannot act on the terminal or break the message.
QString shownText(QString text);

} // namespace vesk4
