#pragma once

// What the command files of the tool share: the shape of a command in the command table and the
// helpers its run function uses.

#include "document/document.h"
#include "document/editor_state.h"
#include "document/result.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>
#include <optional>

namespace vesk4 {

struct Command {
    const char *help;
    int fileArgs;
    QStringList valueOptions; // options followed by a value
    QStringList flagOptions;
    std::function<int(const QStringList &positional, const QStringList &options, QTextStream &out,
                      QTextStream &err)>
        run;
};

using CommandTable = std::map<QString, Command>;

// Reports a failed command on err; returns kExitFailure.
int fail(QTextStream &err, const QString &what, const Failure &failure);
// Reports a wrong command line on err; returns kExitUsage.
int usageError(QTextStream &err, const QString &message);

// Refuses to write output when it is the same file as one of inputs (the same device and inode, so
// another spelling of the path or a hard link counts too): writing would destroy the input before
// it was read whole, or replace it with something else. Reports on err and returns true then.
bool refusesOutputOverInput(QTextStream &err, const QString &output, const QStringList &inputs);

// The document as the editor holds it after opening the project.
struct Opened {
    Document doc;
    EditorState state;
};
Status openInto(const QString &path, Opened &opened);

// Reads the integer value of --name N from options; fails on a missing or out-of-range value.
std::optional<int> intOption(const QStringList &options, const QString &name, int fallback, int min, int max,
                             QTextStream &err);

// The commands of cli_image.cpp: import and image.
void addImageCommands(CommandTable &table);

// The command of cli_glyphs.cpp: glyphs.
void addGlyphCommands(CommandTable &table);

// The commands of cli_include.cpp: from-inc, show and diff.
void addIncludeCommands(CommandTable &table);

// The commands of cli_firmware.cpp: where and size.
void addFirmwareCommands(CommandTable &table);

// export --format c --check: whether the header is byte for byte the export of doc; writes nothing.
int checkCHeaderExport(const Document &doc, const QString &headerPath, QTextStream &out, QTextStream &err);

// export --check: whether the include file is byte for byte the export of doc; writes nothing.
int checkExport(const Document &doc, const QString &includePath, QTextStream &out, QTextStream &err);

} // namespace vesk4
