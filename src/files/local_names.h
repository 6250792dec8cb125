#pragma once

#include <QString>
#include <QStringList>

namespace vesk4 {

// File names given on the command line, as the system spells them.
//
// Qt reads the arguments as UTF-8 and turns every byte that is no part of UTF-8 into U+FFFD, so a
// name holding such bytes (one made on a system with another encoding) would stand for another file
// or for none. commandLineArguments() keeps every other argument as Qt reads it. Such an argument
// that names an existing file is opened without being read (O_PATH: a pipe is not waited on) and
// passed on as the descriptor's link /proc/self/fd/N, which opens that very file; one that names
// nothing stays as Qt reads it (it may be no file name: a text to draw). Messages name both as
// given (givenName), and nothing is written under either (isUnwritableName): a file cannot be
// created under such a name through Qt, and replacing the file behind the link would write a file
// of the U+FFFD name beside it.

// The arguments after the program's name. Call it once, before reading the arguments elsewhere.
QStringList commandLineArguments(int argc, char **argv);

// The name the user gave for path: path itself, or for an argument that stands for a name with
// bytes that are no UTF-8, that name with each such byte written \xHH.
QString givenName(const QString &path);

// Whether path stands for a name with bytes that are no UTF-8 (see above).
bool isUnwritableName(const QString &path);

} // namespace vesk4
