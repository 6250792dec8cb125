#pragma once

#include <QString>

namespace vesk4 {

// How a typed name fits the extension a file dialog works with. Only the name's last four characters
// count (the whole name when it is shorter), and the comparison is case-sensitive.
enum class ExtensionFit {
    Missing, // the last four characters do not begin with "."
    Matches, // they are exactly the extension
    Differs, // they begin with "." but are not the extension, ".EGD" included
};

ExtensionFit extensionFit(const QString &name, const QString &extension);

// The name with the extension: appended when it is missing ("a.b" gives "a.b.egd"), in place of the
// last four characters when they differ ("abc.txt" gives "abc.egd").
QString withExtension(const QString &name, const QString &extension);

// Whether the name can stand for a file in the folder the dialog shows: a name with a separator
// would reach into another folder, past the list the dialog checks before replacing a file.
bool isPlainFileName(const QString &name);

} // namespace vesk4
