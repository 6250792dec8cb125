#include "files/sjis_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace vesk4 {

namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

// JIS X 0208 code points as Unicode mapping tables of JIS give them, and the code point that
// code page 932 stores for the same character.
QChar cp932Variant(QChar c)
{
    switch (c.unicode()) {
    case 0x301C: // wave dash
        return QChar(0xFF5E);
    case 0x2016: // double vertical line
        return QChar(0x2225);
    case 0x2212: // minus sign
        return QChar(0xFF0D);
    case 0x00A2: // cent sign
        return QChar(0xFFE0);
    case 0x00A3: // pound sign
        return QChar(0xFFE1);
    case 0x00AC: // not sign
        return QChar(0xFFE2);
    case 0x2014: // em dash
        return QChar(0x2015);
    default:
        return c;
    }
}

} // namespace

QByteArray cp932CodecName()
{
    static const QByteArray name = [] {
        for (const char *candidate : {"windows-31j", "Shift_JIS"}) {
            if (QStringEncoder(candidate).isValid() && QStringDecoder(candidate).isValid())
                return QByteArray(candidate);
        }
        return QByteArray();
    }();
    return name;
}

QByteArray encodeCp932(QStringView text, bool *ok)
{
    if (isAscii(text)) {
        if (ok)
            *ok = true;
        return text.toLatin1();
    }
    QString mapped = text.toString();
    for (QChar &c : mapped)
        c = cp932Variant(c);

    const QByteArray name = cp932CodecName();
    if (name.isEmpty()) {
        if (ok)
            *ok = false;
        return QByteArray();
    }
    QStringEncoder encoder(name.constData(), QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(mapped);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

QString decodeCp932(QByteArrayView bytes, bool *ok)
{
    if (isAscii(bytes)) {
        if (ok)
            *ok = true;
        return QString::fromLatin1(bytes);
    }
    const QByteArray name = cp932CodecName();
    if (name.isEmpty()) {
        if (ok)
            *ok = false;
        return QString(bytes.size(), QChar::ReplacementCharacter);
    }
    // Stateless, so a lead byte at the end is an error rather than held back for more input.
    QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

} // namespace vesk4
