#include "files/file_names.h"

namespace vesk4 {

namespace {
constexpr int kTailLength = 4;
}

ExtensionFit extensionFit(const QString &name, const QString &extension)
{
    const QString tail = name.right(kTailLength);
    if (!tail.startsWith(QLatin1Char('.')))
        return ExtensionFit::Missing;
    return tail == extension ? ExtensionFit::Matches : ExtensionFit::Differs;
}

QString withExtension(const QString &name, const QString &extension)
{
    switch (extensionFit(name, extension)) {
    case ExtensionFit::Missing:
        return name + extension;
    case ExtensionFit::Differs:
        return name.left(name.size() - name.right(kTailLength).size()) + extension;
    case ExtensionFit::Matches:
        break;
    }
    return name;
}

bool isPlainFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

} // namespace vesk4
