// What the command-line tests share: a scratch folder, a start-up document to save into it, and
// the tool run in-process with its two output streams caught.
#pragma once

#include "cli/cli.h"
#include "document/page_state.h"
#include "files/project_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace vesk4 {

struct CliRun {
    int code;
    QString out;
    QString err;
};

class CliTest : public ::testing::Test {
protected:
    CliTest() { startDocument(doc, state); }

    static CliRun run(const QStringList &args)
    {
        CliRun r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        r.code = runCli(args, out, err);
        out.flush();
        err.flush();
        return r;
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }

    // The document saved as a project file in the scratch folder.
    QString saved(const QString &name)
    {
        EXPECT_TRUE(saveProject(doc, path(name)).ok());
        return path(name);
    }

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    Document doc;
    EditorState state;
};

} // namespace vesk4
