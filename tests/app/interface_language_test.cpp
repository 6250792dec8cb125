// The interface speaks one language at a time. A main window built after English or Japanese was
// installed shows, in its widgets, menus, status bar, dialogs and message boxes, no text of the
// other language; its main captions are the table's; in English no caption is cut or overlaps.
#include "app/recent_files.h"
#include "app/ui_language.h"
#include "files/file_dialog.h"
#include "files/file_panel.h"
#include "files/folder_lists.h"
#include "image/glyph_import_dialog.h"
#include "image/image_import_dialog.h"

#include <QAbstractSpinBox>
#include <QDialog>
#include <QFontComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include "app/shown_window.h"

#include <functional>
#include <memory>

namespace vesk4 {
namespace {

using Language = UiLanguage;

// Latin words a Japanese text may carry: the program's and formats' names, file extensions, unit
// names, the dithering methods, and the data the window starts with (page names "Chr00"
// and "MapChip0", the page column "CHR", the map button "Map"/"Chr", the mode "2色Ex").
const QStringList kLatinInJapanese{
    QStringLiteral("VESK"),     QStringLiteral("Ver"),   QStringLiteral("PIC"),
    QStringLiteral("ELK"),      QStringLiteral("MPLAB"), QStringLiteral("PNG"),
    QStringLiteral("egd"),      QStringLiteral("inc"),   QStringLiteral("Qt"),
    QStringLiteral("OK"),       QStringLiteral("px"),    QStringLiteral("Ex"),
    QStringLiteral("CHR"),      QStringLiteral("Chr"),   QStringLiteral("Map"),
    QStringLiteral("MapChip"),  QStringLiteral("Floyd"), QStringLiteral("Steinberg"),
    QStringLiteral("Atkinson"), QStringLiteral("Bayer"),
};

// The entries of the language menu name each language in itself, so that a user who cannot read the
// interface still finds their own.
const QStringList kLanguageNames{QStringLiteral("日本語"), QStringLiteral("English")};

// The licence line of the version box is the same in both languages.
const QString kLicence = QStringLiteral("MIT License, Copyright (c) 2026 The VESK4 editor developers");

bool isJapanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) // CJK punctuation, hiragana, katakana
        || (u >= 0x4E00 && u <= 0x9FFF) // kanji
        || (u >= 0xFF01 && u <= 0xFF9F); // full-width forms and half-width katakana
}

// What in the text belongs to the other language: Japanese characters in English, Latin words
// outside the allowed ones in Japanese.
QStringList foreignParts(const QString &text, Language language)
{
    QStringList parts;
    if (language == Language::English) {
        for (QChar c : text)
            if (isJapanese(c))
                parts << QString(c);
        return parts;
    }
    // File-name patterns of the dialogs' filters ("*.png") name formats.
    static const QRegularExpression pattern(QStringLiteral("\\*\\.[A-Za-z0-9.]+"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (const QRegularExpressionMatch &m : word.globalMatch(QString(text).remove(pattern)))
        if (!kLatinInJapanese.contains(m.captured()))
            parts << m.captured();
    return parts;
}

// Every text a user can read on a widget tree: captions, titles, tool tips, placeholders, list
// entries, menus and their entries. Texts that are data (line edit contents, font names, drives,
// recent file paths) are left out.
class ShownTexts {
public:
    void add(const QString &where, const QString &text)
    {
        if (!text.isEmpty())
            texts_.push_back({where, text});
    }
    void addTree(QWidget *root)
    {
        addWidget(root);
        for (QWidget *widget : root->findChildren<QWidget *>())
            addWidget(widget);
        for (QAction *action : root->findChildren<QAction *>())
            addAction(action);
    }
    void addAction(const QAction *action)
    {
        if (recentFiles_ && action->parent() == recentFiles_)
            return;
        if (kLanguageNames.contains(action->text()))
            return;
        const QString where = QStringLiteral("action ") + action->text();
        add(where, action->text());
        add(where, action->iconText());
        add(where, action->toolTip());
    }
    void skipEntriesOf(const QMenu *menu) { recentFiles_ = menu; }
    // Fails for each text with a part of the other language.
    void expectOnly(Language language) const
    {
        for (const auto &[where, text] : texts_)
            EXPECT_EQ(foreignParts(text, language).join(QLatin1Char(' ')).toStdString(), "")
                << where.toStdString() << ": " << text.toStdString();
    }
    QStringList all() const
    {
        QStringList result;
        for (const auto &seen : texts_)
            result << seen.second;
        return result;
    }

private:
    void addWidget(QWidget *widget)
    {
        const QString where = QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
            + widget->objectName();
        if (widget->isWindow())
            add(where, widget->windowTitle());
        add(where, widget->toolTip());
        add(where, widget->statusTip());
        add(where, widget->whatsThis());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(where, button->text());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(where, label->text());
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            add(where, frame->title());
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            add(where, box->placeholderText());
        if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            add(where, spin->prefix());
            add(where, spin->suffix());
            add(where, spin->specialValueText());
        }
        if (auto *menu = qobject_cast<QMenu *>(widget))
            add(where, menu->title());
        auto *list = qobject_cast<QComboBox *>(widget);
        if (list && !qobject_cast<QFontComboBox *>(widget) && !qobject_cast<DriveList *>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(where, list->itemText(i));
    }

    std::vector<std::pair<QString, QString>> texts_;
    const QMenu *recentFiles_ = nullptr;
};

// Runs open, which shows a modal dialog, and adds the dialog's texts once it is up; then rejects
// the dialog (its escape button, for a message box).
void addModal(ShownTexts &texts, const std::function<void()> &open)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        seen = true;
        texts.addTree(dialog);
        dialog->reject();
    });
    poll.start();
    open();
    EXPECT_TRUE(seen);
}

std::string describe(const QWidget *widget)
{
    QString text;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text)
        .toStdString();
}

struct Caption {
    std::function<QString(MainWindow &)> shown;
    const char *japanese;
    const char *english;
};

QAction *fileMenuEntry(MainWindow &w, int index)
{
    return w.menuBar()->actions().at(0)->menu()->actions().at(index);
}

// The main captions in both languages: the Japanese are the editor's own, the English the choices
// this table pins down.
const Caption kCaptions[] = {
    {[](MainWindow &w) { return w.title(); }, "VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）",
     "VESK4 Graphics Editor (Monochrome Edition Ver2.0)"},
    {[](MainWindow &w) { return w.menuBar()->actions().at(0)->text(); }, "ファイル(&F)", "&File"},
    {[](MainWindow &w) { return w.menuBar()->actions().at(1)->text(); }, "編集(&E)", "&Edit"},
    {[](MainWindow &w) { return w.menuBar()->actions().at(2)->text(); }, "表示(&V)", "&View"},
    {[](MainWindow &w) { return w.menuBar()->actions().at(3)->text(); }, "ヘルプ(&H)", "&Help"},
    {[](MainWindow &w) { return fileMenuEntry(w, 0)->text(); }, "新規作成(&N)", "&New"},
    {[](MainWindow &w) { return fileMenuEntry(w, 1)->text(); }, "開く(&O)...", "&Open..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 2)->text(); }, "上書き保存(&S)", "&Save"},
    {[](MainWindow &w) { return fileMenuEntry(w, 3)->text(); }, "名前を付けて保存(&A)...", "Save &As..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 4)->text(); }, "PICデータ出力(&E)...",
     "&Export PIC Data..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 5)->text(); }, "Cヘッダ出力...", "Export C Header..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 6)->text(); }, "画像読込...", "Import Image..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 7)->text(); }, "文字読込...", "Import Characters..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 8)->text(); }, "画像書出...", "Export Image..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 9)->text(); }, "PICデータ読込...", "Read PIC Data..."},
    {[](MainWindow &w) { return fileMenuEntry(w, 11)->text(); }, "最近使ったファイル(&R)", "&Recent Files"},
    {[](MainWindow &w) { return fileMenuEntry(w, 13)->text(); }, "終了(&X)", "E&xit"},
    {[](MainWindow &w) { return w.mainMenu()->action(MainMenu::Undo)->text(); }, "元に戻す", "Undo"},
    {[](MainWindow &w) { return w.mainMenu()->action(MainMenu::NextPage)->text(); }, "次のページ(&N)",
     "&Next Page"},
    {[](MainWindow &w) { return w.mainMenu()->action(MainMenu::About)->text(); }, "バージョン情報(&A)",
     "&About"},
    {[](MainWindow &w) { return w.mainMenu()->shiftAction(ShiftDirection::Up)->text(); }, "上へずらし",
     "Shift Up"},
    {[](MainWindow &w) { return w.toolPanel()->title(); }, "描画モード", "Tools"},
    {[](MainWindow &w) { return w.toolPanel()->toolButton(ToolButtons::kPen)->text(); }, "描画", "Pen"},
    {[](MainWindow &w) { return w.toolPanel()->toolButton(ToolButtons::kCopy)->text(); }, "ｺﾋﾟｰ", "Copy"},
    {[](MainWindow &w) { return w.toolPanel()->toolAction(ToolButtons::kFilledRectangle)->text(); },
     "塗四角(&B)", "Fille&d Rectangle"},
    {[](MainWindow &w) { return w.settingsPanel()->title(); }, "キャラクタ設定", "Character Settings"},
    {[](MainWindow &w) { return w.palettePanel()->title(); }, "色選択", "Colours"},
    {[](MainWindow &w) { return w.palettePanel()->modeButton(kMode2Ex)->text(); }, "2色Ex", "2-col Ex"},
    {[](MainWindow &w) { return w.palettePanel()->leftCaption()->text(); }, "左：", "L:"},
    {[](MainWindow &w) { return w.filePanel()->title(); }, "ファイル", "File"},
    {[](MainWindow &w) { return w.filePanel()->exportButton()->text(); }, "PICデータ出力", "Export PIC Data"},
    {[](MainWindow &w) { return w.findChild<GridPanel *>()->title(); }, "グリッド", "Grid"},
};

class InterfaceLanguageTest : public ::testing::TestWithParam<Language> {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        installTranslations(GetParam());
        // Built after the language is installed, as the editor builds its window at start-up.
        window = std::make_unique<MainWindow>();
        window->setMessageBoxes(&messages);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previousFolder);
        // The other tests of this program read the Japanese captions.
        installTranslations(Language::Japanese);
    }
    Language language() const { return GetParam(); }
    void writeEmpty(const QString &name) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void addMessages(ShownTexts &texts, const std::vector<Message> &shown, const QString &data = {})
    {
        for (const Message &m : shown) {
            texts.add(QStringLiteral("message caption"), m.caption);
            QString text = m.text;
            texts.add(QStringLiteral("message"), text.remove(kLicence).remove(data));
        }
    }

    QTemporaryDir dir;
    QString previousFolder;
    ScriptedMessages messages;
    std::unique_ptr<MainWindow> window;
};

TEST_P(InterfaceLanguageTest, MainCaptionsAreTheTablesOnes)
{
    for (const Caption &caption : kCaptions)
        EXPECT_EQ(caption.shown(*window),
                  QString::fromUtf8(language() == Language::Japanese ? caption.japanese : caption.english));
}

// Every menu of the bar, and the bar itself, gives each access key to one entry only.
TEST_P(InterfaceLanguageTest, AccessKeysAreUniqueWithinEachMenu)
{
    std::vector<QList<QAction *>> menus{window->menuBar()->actions()};
    for (QAction *title : window->menuBar()->actions())
        menus.push_back(title->menu()->actions());
    for (const QList<QAction *> &entries : menus) {
        QStringList keys;
        for (const QAction *entry : entries) {
            const qsizetype amp = entry->text().indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < entry->text().size())
                keys << entry->text().mid(amp + 1, 1).toUpper();
        }
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
            << keys.join(' ').toStdString();
    }
}

// The window, its menus and status bar, the dialogs it opens and the messages it shows.
TEST_P(InterfaceLanguageTest, ShowsNoTextOfTheOtherLanguage)
{
    ShownTexts texts;
    MainMenu *menu = window->mainMenu();
    texts.skipEntriesOf(menu->recentFilesMenu());
    // The status bar's cell line, over the canvas.
    PictureSurface *canvas = window->canvasView()->canvas();
    QMouseEvent hover(QEvent::MouseMove, QPointF(5, 5), canvas->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &hover);
    // A stroke names its undo step in the edit menu.
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(5, 5));
    texts.addTree(window.get());
    EXPECT_FALSE(window->statusBar()->findChildren<QLabel *>().first()->text().isEmpty());
    EXPECT_TRUE(window->undoStack().canUndo());

    // The file dialogs of the file panel, with the questions and refusals they ask and show.
    FileDialogs *dialogs = window->fileDialogs();
    for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save, FileDialogKind::Export}) {
        dialogs->show(kind);
        FileDialog *dialog
            = std::array{dialogs->saveDialog(), dialogs->openDialog(), dialogs->exportDialog()}[int(kind)];
        ASSERT_NE(dialog, nullptr);
        texts.addTree(dialog);
        messages.answers = {false};
        for (const char *name : {"a:b/c", "notes.txt"}) {
            dialog->fileNameBox()->setText(QString::fromLatin1(name));
            QTest::mouseClick(dialog->actionButton(), Qt::LeftButton);
        }
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    }
    addMessages(texts, messages.shown);
    addMessages(texts, messages.asked);
    EXPECT_EQ(messages.shown.size(), 4u); // a refusal of the name in each, a refusal of the type in open
    EXPECT_EQ(messages.asked.size(), 2u); // the extension question of save and export
    messages.shown.clear();
    messages.asked.clear();

    // The file choosers of the image, C header and include entries: captions and filters.
    menu->setFileChooser([&](QWidget *, const QString &caption, const QString &filter, bool) {
        texts.add(QStringLiteral("chooser"), caption);
        texts.add(QStringLiteral("chooser filter"), filter);
        return QString();
    });
    for (MainMenu::Command command :
         {MainMenu::ImportImage, MainMenu::ExportImage, MainMenu::ExportCHeader, MainMenu::ReadInclude})
        menu->action(command)->trigger();

    // The image import dialog and the notice of cells beyond the sheet.
    QImage wide(70, 1, QImage::Format_RGB32);
    wide.fill(Qt::black);
    ASSERT_TRUE(wide.save(dir.filePath(QStringLiteral("wide.png"))));
    window->showImageImportDialog(dir.filePath(QStringLiteral("wide.png")));
    auto *imageOptions = window->findChild<ImageImportDialog *>();
    ASSERT_NE(imageOptions, nullptr);
    texts.addTree(imageOptions);
    QTest::mouseClick(imageOptions->okButton(), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);

    // The glyph import dialog.
    window->showGlyphImportDialog();
    auto *glyphOptions = window->findChild<GlyphImportDialog *>();
    ASSERT_NE(glyphOptions, nullptr);
    texts.addTree(glyphOptions);
    glyphOptions->reject();

    // The question before the changes are lost, answered Cancel for a new document and Discard
    // for the file opened below.
    messages.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    menu->action(MainMenu::New)->trigger();
    ASSERT_EQ(messages.askedToSave.size(), 1u);

    // The version box, a recent file that is gone, a file that cannot be opened: the window's own
    // line of the report (the reason below it is the core's).
    menu->action(MainMenu::About)->trigger();
    const QString gone = dir.filePath(QStringLiteral("gone.egd"));
    QSettings settings;
    addRecentFile(settings, gone);
    menu->showRecentFiles();
    menu->recentFilesMenu()->actions().first()->trigger();
    writeEmpty(QStringLiteral("empty.egd"));
    window->openProjectFile(dir.filePath(QStringLiteral("empty.egd")));
    ASSERT_EQ(messages.shown.size(), 4u);
    const QString failure = messages.shown.back().text;
    messages.shown.back().text = failure.section(QLatin1Char('\n'), 0, 0);
    addMessages(texts, messages.shown, QDir::toNativeSeparators(gone));
    removeRecentFile(settings, gone);

    // The question before unsaved changes are lost, in the real message box, and the size limit's
    // input box of the status bar.
    addMessages(texts, messages.askedToSave);
    QtMessageBoxes realBoxes;
    addModal(texts, [&] {
        realBoxes.askToSave(window.get(), messages.askedToSave[0].caption, messages.askedToSave[0].text);
    });
    QLabel *total = window->statusBar()->findChildren<QLabel *>().last();
    ASSERT_EQ(total->actions().size(), 1);
    addModal(texts, [&] { total->actions().first()->trigger(); });

    texts.expectOnly(language());
    // The walk saw the texts it should: the menus, the dialogs and the boxes.
    const QStringList all = texts.all();
    for (const QString &expected : language() == Language::Japanese
             ? QStringList{QStringLiteral("ｷｬﾝｾﾙ"), QStringLiteral("保存しない"), QStringLiteral("しきい値"),
                           QStringLiteral("先頭パターン"), QStringLiteral("元に戻す 描画"),
                           QStringLiteral("サイズ上限")}
             : QStringList{QStringLiteral("Cancel"), QStringLiteral("Do&n't Save"),
                           QStringLiteral("Threshold"), QStringLiteral("First pattern"),
                           QStringLiteral("Undo Draw"), QStringLiteral("Size Limit")})
        EXPECT_TRUE(all.contains(expected)) << expected.toStdString();
}

// The width a widget's caption needs: a push button's text inside its frame, any other widget its
// size hint (a label's text, a radio button's text beside its indicator).
int neededWidth(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        constexpr int kFrame = 2; // each side
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        return button->fontMetrics().horizontalAdvance(text) + 2 * kFrame;
    }
    return widget->sizeHint().width();
}

// Each caption of the window fits its widget, and no two captions of a frame overlap; the English
// captions are longer, and the window grows for them.
TEST_P(InterfaceLanguageTest, CaptionsFitTheirWidgets)
{
    std::vector<QWidget *> captioned;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible()
            || (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QLabel *>(widget)))
            continue;
        if (qobject_cast<QToolButton *>(widget))
            continue; // the tool buttons narrow their captions' font to fit
        captioned.push_back(widget);
        EXPECT_LE(neededWidth(widget), widget->width()) << describe(widget);
    }
    for (QWidget *a : captioned) {
        for (QWidget *b : captioned) {
            if (a < b && a->parentWidget() == b->parentWidget()) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry())) << describe(a) << " / " << describe(b);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, InterfaceLanguageTest,
                         ::testing::Values(Language::Japanese, Language::English), [](const auto &info) {
                             return info.param == Language::English ? "English" : "Japanese";
                         });

} // namespace
} // namespace vesk4
