#include "files/local_names.h"

#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <unistd.h>

namespace vesk4 {

namespace {

// The names that stand for arguments that are no UTF-8, and what the user gave.
QHash<QString, QString> &givenNames()
{
    static QHash<QString, QString> names;
    return names;
}

// The bytes as text: UTF-8 where they are, \xHH for each byte that is not.
QString escapedName(const QByteArray &bytes)
{
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        // The longest run that decodes and encodes back to the same bytes.
        qsizetype end = at;
        while (end < bytes.size()) {
            const int length = (uchar(bytes[end]) < 0x80) ? 1
                : (uchar(bytes[end]) >> 5) == 0x6         ? 2
                : (uchar(bytes[end]) >> 4) == 0xE         ? 3
                : (uchar(bytes[end]) >> 3) == 0x1E        ? 4
                                                          : 0;
            const QByteArray sequence = bytes.mid(end, length);
            if (length == 0 || sequence.size() != length || QString::fromUtf8(sequence).toUtf8() != sequence)
                break;
            end += length;
        }
        shown += QString::fromUtf8(bytes.mid(at, end - at));
        if (end < bytes.size()) {
            shown += QStringLiteral("\\x%1").arg(uint(uchar(bytes[end])), 2, 16, QLatin1Char('0'));
            ++end;
        }
        at = end;
    }
    return shown;
}

} // namespace

QStringList commandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        QString argument = QFile::decodeName(bytes);
        if (QFile::encodeName(argument) != bytes) {
            // Kept open for the program's life, so the link goes on naming the file. An argument
            // that names no file stays as Qt reads it: it may be no file name at all (a text to
            // draw), and as a file name it names nothing that can be written.
            const int fd = ::open(bytes.constData(), O_PATH | O_CLOEXEC);
            if (fd >= 0)
                argument = QStringLiteral("/proc/self/fd/%1").arg(fd);
            givenNames().insert(argument, escapedName(bytes));
        }
        arguments << argument;
    }
    return arguments;
}

QString givenName(const QString &path)
{
    return givenNames().value(path, path);
}

bool isUnwritableName(const QString &path)
{
    return givenNames().contains(path);
}

} // namespace vesk4
