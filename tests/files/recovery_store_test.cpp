// The recovery folder without widgets: a copy reads back byte for byte with its file's path, a
// damaged one is refused whole, and a copy is offered only once its editor is gone.
#include "document/page_state.h"
#include "files/project_file.h"
#include "files/recovery_store.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace vesk4 {
namespace {

Document drawnDocument()
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.PixelData(0, 3, 4) = 1;
    doc.PixelData(5, 63, 255) = 2;
    doc.pages[2].name = QStringLiteral("ｷｬﾗ 歩き");
    return doc;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class RecoveryStoreTest : public ::testing::Test {
protected:
    QString copyPath(const QString &name) const { return dir.filePath(name + QStringLiteral(".recovery")); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir dir;
};

// The header says what the text is (its file, size and checksum), one line each, and the project
// text follows as a save writes it; a path with a blank, a line end, a percent sign and Japanese
// still takes one line and comes back as it was.
TEST_F(RecoveryStoreTest, ACopyReadsBackByteForByteWithItsFilePath)
{
    const QByteArray project = projectFileText(drawnDocument()).value();
    const QString projectPath = QStringLiteral("/home/me/キャラ 100%\nv2.egd");
    ASSERT_TRUE(RecoveryStore::writeCopy(copyPath(QStringLiteral("a")), project, projectPath));

    const QByteArray expectedHeader = "VESK4 recovery copy 1\n"
                                      "file: /home/me/%E3%82%AD%E3%83%A3%E3%83%A9%20100%25%0Av2.egd\n"
                                      "size: "
        + QByteArray::number(project.size())
        + "\nsha256: " + QCryptographicHash::hash(project, QCryptographicHash::Sha256).toHex() + "\n\n";
    EXPECT_EQ(readAll(copyPath(QStringLiteral("a"))), expectedHeader + project);

    Expected<RecoveredProject> recovered = RecoveryStore::readCopy(copyPath(QStringLiteral("a")));
    ASSERT_TRUE(recovered) << recovered.failure().text().toStdString();
    EXPECT_EQ(recovered.value().projectBytes, project);
    EXPECT_EQ(recovered.value().projectPath, projectPath);
    QBuffer buffer;
    buffer.setData(project);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_TRUE(recovered.value().content == readProject(buffer).value());
}

// Whatever part is damaged, nothing of the copy is handed out.
TEST_F(RecoveryStoreTest, ADamagedCopyIsRefusedWhole)
{
    const QByteArray project = projectFileText(drawnDocument()).value();
    const QByteArray good = RecoveryStore::copyFileBytes(project, QStringLiteral("/p.egd"));
    QByteArray flipped = good;
    flipped[flipped.size() - 100] = flipped[flipped.size() - 100] == '0' ? '1' : '0';
    QByteArray wrongSize = good;
    wrongSize.replace("size: ", "size: 1");
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"cut short", good.left(good.size() - 1)},
        {"cut in the header", good.left(30)},
        {"one byte changed", flipped},
        {"a size that is not the text's", wrongSize},
        {"not a copy", project},
        {"empty", QByteArray()},
        {"a checksum that fits but no project", RecoveryStore::copyFileBytes(" 0 \r\nzz\r\n", QString())},
    };
    for (const auto &c : cases) {
        writeAll(copyPath(QStringLiteral("d")), c.bytes);
        Expected<RecoveredProject> recovered = RecoveryStore::readCopy(copyPath(QStringLiteral("d")));
        ASSERT_FALSE(recovered) << c.what;
        EXPECT_TRUE(recovered.failure().text().contains(QStringLiteral("damaged"))) << c.what;
    }
    EXPECT_FALSE(RecoveryStore::readCopy(copyPath(QStringLiteral("missing"))));
}

// Runs a second editor's store in a child process: it claims its copy and writes it, tells the test
// through the pipe, and waits to be killed, as an editor would crash.
pid_t startOwner(const QString &folder, int &ready, bool writesCopy = true)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        RecoveryStore store(folder);
        const bool written = store.claim()
            && (!writesCopy
                || RecoveryStore::writeCopy(store.ownCopyPath(), projectFileText(drawnDocument()).value(),
                                            QStringLiteral("/x.egd")));
        const char answer = written ? 'y' : 'n';
        if (write(fds[1], &answer, 1) != 1)
            _exit(1);
        for (;;)
            pause();
    }
    close(fds[1]);
    ready = fds[0];
    return pid;
}

TEST_F(RecoveryStoreTest, ACopyIsOfferedOnlyOnceItsEditorIsGone)
{
    int ready = -1;
    const pid_t owner = startOwner(dir.path(), ready);
    ASSERT_GT(owner, 0);
    char answer = 0;
    ASSERT_EQ(read(ready, &answer, 1), 1);
    close(ready);
    ASSERT_EQ(answer, 'y');

    RecoveryStore store(dir.path());
    ASSERT_TRUE(store.claim());
    EXPECT_TRUE(store.orphanedCopies().empty()) << "the owner still runs";

    kill(owner, SIGKILL);
    waitpid(owner, nullptr, 0);
    std::vector<RecoveryCopy> copies = store.orphanedCopies();
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_TRUE(RecoveryStore::readCopy(copies[0].copyPath));

    // While one editor asks about it, another starting at the same time does not offer it too.
    RecoveryStore other(dir.path());
    EXPECT_TRUE(other.orphanedCopies().empty());
    // Later: the copy stays, and the next start offers it again.
    store.release(copies[0]);
    ASSERT_EQ(other.orphanedCopies().size(), 1U);
    other.discard(copies[0]);
    EXPECT_FALSE(QFileInfo::exists(copies[0].copyPath));
    // Only this store's own lock is left.
    EXPECT_EQ(files(),
              QStringList{QFileInfo(store.ownCopyPath()).completeBaseName() + QStringLiteral(".lock")});
}

// An editor killed before it wrote any copy leaves only its lock, which the next listing clears.
TEST_F(RecoveryStoreTest, TheLockOfAnEditorGoneWithoutACopyIsCleared)
{
    int ready = -1;
    const pid_t owner = startOwner(dir.path(), ready, false);
    ASSERT_GT(owner, 0);
    char answer = 0;
    ASSERT_EQ(read(ready, &answer, 1), 1);
    close(ready);
    RecoveryStore store(dir.path());
    ASSERT_TRUE(store.claim());
    EXPECT_TRUE(store.orphanedCopies().empty());
    EXPECT_EQ(files().size(), 2) << "the running owner's lock stays";
    kill(owner, SIGKILL);
    waitpid(owner, nullptr, 0);
    EXPECT_TRUE(store.orphanedCopies().empty());
    EXPECT_EQ(files(),
              QStringList{QFileInfo(store.ownCopyPath()).completeBaseName() + QStringLiteral(".lock")});
}

} // namespace
} // namespace vesk4
