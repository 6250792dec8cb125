// The dialogs of "画像読込" and "文字読込" through the real window: what each preview shows is what
// OK writes, each import is one step, and a dialog whose import cannot be done keeps OK disabled.
#include "image/glyph_import_dialog.h"
#include "image/image_import_dialog.h"

#include "app/shown_window.h"

#include <QFontComboBox>
#include <QSpinBox>
#include <QUndoStack>

namespace vesk4 {
namespace {

const QString kFontFile = QStringLiteral(VESK4_TEST_DATA "/glyph_font/hand8.bdf");

class ImportDialogs : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        window.mainMenu()->setFileChooser(
            [this](QWidget *, const QString &, const QString &, bool) { return answer; });
    }

    template <class Dialog> Dialog *shownDialog()
    {
        // A dialog closed before is gone once its deletion has been handled.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *dialog = window.findChild<Dialog *>();
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }
    // Replaces what a spin box or a line edit holds, as a user does: select all, then type.
    static void typeInto(QWidget *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }

    // "文字読込..." opened, with the test font picked through its file button at 8 px.
    GlyphImportDialog *glyphDialogWithTestFont()
    {
        window.mainMenu()->action(MainMenu::ImportGlyphs)->trigger();
        auto *dialog = shownDialog<GlyphImportDialog>();
        if (dialog) {
            dialog->setFontFileChooser([](QWidget *) { return kFontFile; });
            QTest::mouseClick(dialog->fontFileButton(), Qt::LeftButton);
            typeInto(dialog->sizeBox(), QStringLiteral("8"));
        }
        return dialog;
    }

    QString answer;
};

// A grey gradient at the shown top left (row 8), with each entry of the dithering list and
// threshold 100: each preview pixel is the grey of the cell OK then writes; Cancel writes nothing.
TEST_F(ImportDialogs, TheImagePreviewShowsWhatTheImportWrites)
{
    QImage gradient(80, 20, QImage::Format_RGB32); // 16 columns and 0 rows beyond the sheet
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(3 * x + y, 3 * x + y, 3 * x + y));
    answer = dir.filePath(QStringLiteral("gradient.png"));
    ASSERT_TRUE(gradient.save(answer));
    window.canvasView()->scrollBar()->setSliderPosition(8);

    for (int entry = 0; entry < 4; ++entry) {
        SCOPED_TRACE(entry);
        window.mainMenu()->action(MainMenu::ImportImage)->trigger();
        auto *dialog = shownDialog<ImageImportDialog>();
        ASSERT_NE(dialog, nullptr);
        typeInto(dialog->thresholdBox(), QStringLiteral("100"));
        for (int k = 0; k < entry; ++k)
            QTest::keyClick(dialog->ditheringList(), Qt::Key_Down);
        ASSERT_EQ(dialog->threshold(), 100);
        ASSERT_EQ(int(dialog->dithering()), entry);
        const QImage preview = dialog->previewImage();
        ASSERT_EQ(preview.size(), QSize(64, 20) * ImageImportDialog::kPreviewScale);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("画像読込"));
        int differences = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 64; ++x)
                differences += qGray(preview.pixel(x * 2, y * 2)) != (cell(x, 8 + y) == 1 ? 0 : 255);
        EXPECT_EQ(differences, 0);
        ASSERT_EQ(messages.shown.size(), 1u); // the 16 x 20 pixels beyond the sheet
        messages.shown.clear();
        window.undo();
    }

    const Document before = doc;
    const int steps = window.undoStack().index();
    window.mainMenu()->action(MainMenu::ImportImage)->trigger();
    auto *dialog = shownDialog<ImageImportDialog>();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(doc == before);
    EXPECT_EQ(window.undoStack().index(), steps);
}

// "F.gW" from pattern 2 of a page of 12 x 16 patterns: patterns 2-4 in the first band of 60 cells,
// pattern 5 at the start of the second. The preview's glyph i starts (12 + 1) x i cells from the
// left; every cell of it is the cell of pattern 2 + i after OK. Cells and count are one step.
TEST_F(ImportDialogs, TheGlyphPreviewShowsWhatTheImportWritesAsOneStep)
{
    doc.pages[0].patternWidth = 12;
    doc.pages[0].patternHeight = 16;
    doc.pages[0].patternCount = 3;
    window.showCurrentPage();
    cell(30, 5) = 1; // inside pattern 2: cleared by the import
    const Document before = doc;

    GlyphImportDialog *dialog = glyphDialogWithTestFont();
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->charactersBox(), QStringLiteral("F.gW"));
    typeInto(dialog->firstPatternBox(), QStringLiteral("2"));
    ASSERT_TRUE(dialog->okButton()->isEnabled()) << dialog->message().toStdString();
    EXPECT_EQ(dialog->message(), QString()); // "g" fits in 16 rows, "W" in 12 columns
    const QImage preview = dialog->previewImage();
    const int s = dialog->previewScale();
    ASSERT_EQ(preview.size(), QSize((13 * 4 - 1) * s, 16 * s));

    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("文字読込"));
    EXPECT_EQ(doc.pages[0].patternCount, 6);
    QLineEdit *countBox = window.settingsPanel()->patternCountBox();
    EXPECT_EQ(countBox->text(), QStringLiteral("6"));
    const QPoint origins[] = {{24, 0}, {36, 0}, {48, 0}, {0, 16}};
    int differences = 0;
    int ink = 0;
    for (int i = 0; i < 4; ++i) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 12; ++x) {
                const bool shownInk = qGray(preview.pixel((13 * i + x) * s, y * s)) == 0;
                const int16_t written = cell(origins[i].x() + x, origins[i].y() + y);
                differences += shownInk != (written == 1);
                ink += written == 1;
            }
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(ink, 12 + 1 + 14 + 9); // F, the dot, g, the bar
    EXPECT_EQ(cell(30, 5), 0);
    EXPECT_TRUE(messages.shown.empty());

    window.undo(); // cells and count together
    EXPECT_TRUE(doc == before);
    EXPECT_EQ(countBox->text(), QStringLiteral("3"));
    window.redo();
    EXPECT_EQ(doc.pages[0].patternCount, 6);
    EXPECT_EQ(cell(30, 5), 0);
}

// More patterns than a page can have: the dialog says why and OK stays disabled; the cut glyph and
// the missing character of a possible import are named before OK, and reported after it.
TEST_F(ImportDialogs, TheGlyphDialogSaysWhatTheImportWouldDo)
{
    GlyphImportDialog *dialog = glyphDialogWithTestFont();
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->firstPatternBox(), QStringLiteral("97"));
    typeInto(dialog->charactersBox(), QStringLiteral("FFF"));
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    EXPECT_TRUE(dialog->message().contains(QStringLiteral("最大 99 個"))) << dialog->message().toStdString();

    typeInto(dialog->charactersBox(), QStringLiteral("gZ")); // 8 x 8: "g" loses its last row
    ASSERT_TRUE(dialog->okButton()->isEnabled());
    EXPECT_EQ(dialog->message(),
              QStringLiteral("フォントにない文字: U+005A\nパターンからはみ出して切れる文字: 1"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("パターンからはみ出した 1 文字は切れています。\n"
                             "フォントにない文字は空白にしました: U+005A"));
    EXPECT_EQ(doc.pages[0].patternCount, 99);
}

} // namespace
} // namespace vesk4
