// The reasons the core gives for a refused file reach the main window's message box in the
// interface's language: a damaged project file, a damaged include file, an unreadable image and a
// save that fails, each in Japanese (no English word but the file's own data and names) and in
// English (no Japanese character).
#include "app/ui_language.h"
#include "image/page_image.h"
#include "shown_window.h"

#include <QBuffer>
#include <QRegularExpression>

#include <cstring>
#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// A failed comparison shows the texts, not their code units.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vesk4 {
namespace {

// Kana, kanji, the Japanese punctuation and the full-width forms.
bool hasJapanese(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// The words of two or more Latin letters left in text once the data it names is taken out.
QStringList latinWords(QString text, const QStringList &data)
{
    for (const QString &d : data)
        text.remove(d);
    QStringList words;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (const QRegularExpressionMatch &m : word.globalMatch(text))
        words << m.captured();
    return words;
}

class RefusalMessagesTest : public ShownWindowTest {
protected:
    // The widget tests run in Japanese; a test that switched to English leaves Japanese behind.
    ~RefusalMessagesTest() override { installTranslations(UiLanguage::Japanese); }

    // The reason under the window's own first line, of the one box that the refused action showed.
    QString reasonShown(const std::function<bool()> &action)
    {
        messages.shown.clear();
        EXPECT_FALSE(action());
        if (messages.shown.size() != 1u) {
            ADD_FAILURE() << messages.shown.size() << " message boxes";
            return {};
        }
        const QString text = messages.shown[0].text;
        return text.mid(text.indexOf(QLatin1Char('\n')) + 1);
    }

    QString path(const char *name) const
    {
        return QDir::toNativeSeparators(dir.filePath(QString::fromUtf8(name)));
    }
};

// Each reason exactly, with the file path for %1; the Japanese shows the file's own text in 「」.
TEST_F(RefusalMessagesTest, TheReasonOfEachRefusedFileIsInTheInterfacesLanguage)
{
    writeFile(QStringLiteral("empty.egd"), "");
    writeFile(QStringLiteral("letter.egd"), " 1 \r\n 0  x  0 \r\n");
    writeFile(QStringLiteral("broken.inc"), "this is no include line\r\n");
    writeFile(QStringLiteral("huge.png"), [] {
        QByteArray png;
        QBuffer out(&png);
        out.open(QIODevice::WriteOnly);
        QImage(kMaxImportSide + 1, 1, QImage::Format_Mono).save(&out, "PNG");
        return png;
    }());
    struct Refusal {
        const char *file;
        std::function<bool(MainWindow &, const QString &)> refused;
        const char *japanese, *english;
    };
    const auto open = [](MainWindow &w, const QString &p) { return w.openProjectFile(p); };
    const auto include = [](MainWindow &w, const QString &p) { return w.readIncludeDocument(p); };
    const auto image = [](MainWindow &w, const QString &p) { return w.importImageFile(p); };
    const Refusal refusals[] = {
        {"empty.egd", open, "1 行目: フォーマット番号を読む前にファイルが終わっています。",
         "line 1: The file ends before the format number."},
        {"letter.egd", open,
         "2 行目: ページ 0 の x 1, y 0 のピクセルのセルには整数が必要ですが、「x」がありました。",
         "line 2: Expected a whole number for the pixel cell at x 1, y 0 of page 0, found \"x\"."},
        {"broken.inc", include, "1 行目: 解釈できない行です: 「this is no include line」",
         "line 1: Not understood: \"this is no include line\"."},
        {"huge.png", image, "画像は 4097 x 1 ピクセルです。読み込めるのは 4096 x 4096 ピクセルまでです。",
         "The image is 4097 x 1 pixels; at most 4096 x 4096 can be imported."},
        {"no such folder/a.egd", open, "%1 を開けません: %2", "Cannot open %1: %2"},
    };
    const QString noSuchFile = QString::fromLocal8Bit(std::strerror(ENOENT));
    for (const Refusal &r : refusals) {
        const QString file = path(r.file);
        const QString japanese
            = reasonShown([&] { return r.refused(window, dir.filePath(QString::fromUtf8(r.file))); });
        EXPECT_EQ(japanese, QString::fromUtf8(r.japanese).arg(file, noSuchFile)) << r.file;
        // Only the file's path, its own text and the system's reason stay in Latin letters.
        EXPECT_EQ(latinWords(japanese, {file, QStringLiteral("this is no include line"), noSuchFile}),
                  QStringList())
            << r.file;
        installTranslations(UiLanguage::English);
        const QString english
            = reasonShown([&] { return r.refused(window, dir.filePath(QString::fromUtf8(r.file))); });
        installTranslations(UiLanguage::Japanese);
        EXPECT_EQ(english, QString::fromUtf8(r.english).arg(file, noSuchFile)) << r.file;
        EXPECT_FALSE(hasJapanese(english)) << english.toStdString();
    }
}

// A save the system refuses says so in the interface's language around the system's reason: a name
// longer than the file system takes (the system's reason as it gives it), and a full disk (whose
// reason Qt translates).
TEST_F(RefusalMessagesTest, AFailedSaveIsReportedInTheInterfacesLanguage)
{
    const QString tooLong = dir.filePath(QString(300, QLatin1Char('a')) + QStringLiteral(".egd"));
    const QString shownTooLong = QDir::toNativeSeparators(tooLong);
    const QString nameTooLong = QString::fromLocal8Bit(std::strerror(ENAMETOOLONG));
    EXPECT_EQ(reasonShown([&] { return window.saveProjectFile(tooLong); }),
              QStringLiteral("%1 を保存できません: %2").arg(shownTooLong, nameTooLong));
    installTranslations(UiLanguage::English);
    EXPECT_EQ(reasonShown([&] { return window.saveProjectFile(tooLong); }),
              QStringLiteral("Cannot save %1: %2").arg(shownTooLong, nameTooLong));

    // The same device as /dev/full, made here so that no system file is at risk.
    const QString full = dir.filePath(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
        GTEST_SKIP() << "making device nodes is not permitted here";
    // The project file is refused as it is written, the small C header as its last bytes leave.
    const QString shownFull = QDir::toNativeSeparators(full);
    const QString noSpace = QStringLiteral("No space left on device");
    EXPECT_EQ(reasonShown([&] { return window.saveProjectFile(full); }),
              QStringLiteral("Writing the project file failed: %1").arg(noSpace));
    EXPECT_EQ(reasonShown([&] { return window.exportCHeaderFile(full); }),
              QStringLiteral("Cannot save %1: %2").arg(shownFull, noSpace));
    installTranslations(UiLanguage::Japanese);
    const QString noSpaceJapanese = QCoreApplication::translate("QIODevice", "No space left on device");
    const QString japanese[] = {reasonShown([&] { return window.saveProjectFile(full); }),
                                reasonShown([&] { return window.exportCHeaderFile(full); })};
    EXPECT_EQ(japanese[0],
              QStringLiteral("プロジェクトファイルを書き込めませんでした: %1").arg(noSpaceJapanese));
    EXPECT_EQ(japanese[1], QStringLiteral("%1 を保存できません: %2").arg(shownFull, noSpaceJapanese));
    for (const QString &text : japanese)
        EXPECT_EQ(latinWords(text, {shownFull}), QStringList());
}

} // namespace
} // namespace vesk4
