#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vesk4 {

// Code page 932 (Shift-JIS with the Windows extensions) is the encoding of the project file's page
// names and of the include file. Every conversion to and from it goes through these two functions.

// The name under which Qt's codecs know code page 932 here: "windows-31j" where the ICU converter is
// available, else "Shift_JIS"; empty when Qt has neither, in which case only ASCII converts.
QByteArray cp932CodecName();

// The text in code page 932. The characters that JIS-based input methods produce where code page 932
// has its own code point (wave dash, double vertical line, minus sign, cent, pound, not sign, em dash)
// are stored as that code point, so they read back as U+FF5E, U+2225, U+FF0D, U+FFE0, U+FFE1,
// U+FFE2 and U+2015. *ok becomes false when the text holds a character code page 932 cannot store;
// the bytes returned then are not to be written anywhere.
QByteArray encodeCp932(QStringView text, bool *ok = nullptr);

// The text of code-page-932 bytes. *ok becomes false when the bytes are no valid code page 932
// (an undefined byte, a lead byte without its trail byte); the text returned then holds replacement
// characters.
QString decodeCp932(QByteArrayView bytes, bool *ok = nullptr);

} // namespace vesk4
