// The rules of the settings and grid boxes without widgets: what each box shows after an edit, what
// it stores, how many undo steps that takes, and what showing a page does to the tables.
#include "document/page_settings_editor.h"

#include "document/page_state.h"

#include <QList>
#include <QSize>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

class PageSettingsEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startDocument(doc, state);
        state.currentPage = 2;
    }
    int steps() const { return history.stack().count(); }

    Document doc;
    EditorState state;
    EditHistory history{doc};
    PageSettingsEditor editor{doc, state, history};
};

// One edit after another on the same box, each row starting where the one before ended. A typed
// text goes in whole (a paste, or the text after one more key); a bar row moves the spin bar.
TEST_F(PageSettingsEditorTest, GridBoxesAcceptFromZeroToTheirBarsMaximum)
{
    enum Input { Text, Bar };
    const struct {
        Axis axis;
        Input input;
        const char *text; // for a bar row, the bar's position
        const char *shown;
        int position, interval, last;
    } cases[] = {
        {Axis::X, Text, "200", "0", 128, 0, 0}, // the first refusal brings back the start's 0
        {Axis::X, Text, "07", "7", 121, 7, 7}, // the bar moves and writes plain digits
        {Axis::X, Text, "007", "007", 121, 7, 7}, // the bar stays: the text stays
        {Axis::X, Text, "-3", " 7", 121, 7, 7}, // refused: a blank where the sign goes
        {Axis::X, Text, "128.4", " 7", 121, 7, 7}, // compared before rounding
        {Axis::X, Text, "127.6", "128", 0, 128, 128}, {Axis::X, Text, "1e9999", " 128", 0, 128, 128},
        {Axis::X, Text, "", "0", 128, 0, 0}, // empty reads as 0
        {Axis::X, Text, "12abc", "12", 116, 12, 12}, // the leading number counts
        {Axis::X, Bar, "100", "28", 100, 28, 28},     {Axis::Y, Text, "97", "0", 96, 0, 0},
        {Axis::Y, Text, "96", "96", 0, 96, 96},       {Axis::Y, Bar, "95", "1", 95, 1, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        const NumberBoxView &shown = c.input == Bar ? editor.moveGridSpinBar(c.axis, text.toInt())
                                                    : editor.editGridBox(c.axis, text);
        EXPECT_EQ(shown, (NumberBoxView{QString::fromUtf8(c.shown), c.position}));
        EXPECT_EQ(editor.gridBox(c.axis), shown);
        EXPECT_EQ(c.axis == Axis::X ? doc.GridX : doc.GridY, c.interval);
        EXPECT_EQ(doc.lastGridValue[int(c.axis)], c.last);
    }
    EXPECT_EQ(steps(), 0); // the grid is no page setting and belongs to no save
    editor.resetGridBoxes();
    EXPECT_EQ(editor.gridBox(Axis::X), (NumberBoxView{"8", 120}));
    EXPECT_EQ(editor.gridBox(Axis::Y), (NumberBoxView{"8", 88}));
}

TEST_F(PageSettingsEditorTest, PatternCountAcceptsNumbersUpTo99AndTurnsTheRestTo0)
{
    const struct {
        const char *text;
        int barPosition; // -1: typed
        const char *shown;
        int stored;
        int steps;
    } cases[] = {
        {"12", -1, "12", 12, 1},     {"12", -1, "12", 12, 1}, // the same count again is no step
        {"5x", -1, "0", 0, 2},       {"", -1, "0", 0, 2},
        {"-5", -1, "-5", -5, 3}, // accepted and stored; the export writes no pattern for it
        {"-99999", -1, "0", 0, 4}, // does not fit 16 bits
        {"99.4", -1, "0", 0, 4}, // above 99 before rounding
        {"98.6", -1, "98.6", 99, 5}, {" 99 ", -1, " 99 ", 99, 5},
        {nullptr, 243, "12", 12, 6}, {nullptr, 156, "99", 99, 7},
        {nullptr, 155, "0", 0, 8}, // 100
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        const NumberBoxView &shown = c.barPosition < 0 ? editor.editPatternCount(QString::fromUtf8(c.text))
                                                       : editor.movePatternCountSpinBar(c.barPosition);
        EXPECT_EQ(shown.text, QString::fromUtf8(c.shown));
        EXPECT_EQ(doc.ChrPtnNum[2], c.stored);
        EXPECT_EQ(steps(), c.steps);
    }
    // The bar stays where the user left it; typing does not move it.
    editor.editPatternCount(QStringLiteral("3"));
    EXPECT_EQ(editor.patternCountBox().spinPosition, 155);
    EXPECT_EQ(doc.ChrPtnNum[1], 0);
}

// Showing a page stores nothing as an edit: a count above 99 becomes 0 without a step, the size
// becomes the current pattern size, and a flag other than 1 shows unchecked and stays.
TEST_F(PageSettingsEditorTest, ShowingAPageSaysWhatToShowAndAddsNoStep)
{
    doc.ChrName[2] = QStringLiteral("Enemy_02");
    doc.ChrSizeX[2] = 12;
    doc.ChrSizeY[2] = 40;
    doc.ChrPtnNum[2] = 150;
    doc.ChrOutFlag[2] = 5;
    doc.ChrOutFlag[31] = 1;
    doc.ChrPtnNum[31] = 99;
    const struct {
        int page;
        PageSettingsView view;
        int count;
    } cases[] = {
        {2, {"Enemy_02", 12, 40, "0", false, false}, 0},
        {31, {"MapChip0", 8, 8, "99", true, true}, 99},
        {0, {"Chr00", 8, 8, "0", false, false}, 0},
    };
    for (const auto &c : cases) {
        state.currentPage = int16_t(c.page);
        EXPECT_EQ(editor.showPage(), c.view) << c.page;
        EXPECT_EQ(editor.patternCountBox().text, c.view.patternCountText);
        EXPECT_EQ(doc.ChrPtnNum[c.page], c.count);
        EXPECT_EQ(QSize(doc.currentPatternWidth, doc.currentPatternHeight),
                  QSize(c.view.patternWidth, c.view.patternHeight));
    }
    EXPECT_EQ(doc.ChrOutFlag[2], 5);
    EXPECT_EQ(steps(), 0);
}

TEST_F(PageSettingsEditorTest, NameSizeAndFlagEditsAreStepsOfTheCurrentPage)
{
    editor.editName(QStringLiteral("A"));
    editor.editName(QStringLiteral("AB")); // typing a name is one step
    EXPECT_EQ(doc.ChrName[2], QStringLiteral("AB"));
    editor.chooseSize(Axis::X, 16);
    editor.chooseSize(Axis::Y, 24);
    editor.chooseSize(Axis::Y, 24); // chosen again: no step
    EXPECT_EQ(
        QList<int>({doc.ChrSizeX[2], doc.ChrSizeY[2], doc.currentPatternWidth, doc.currentPatternHeight}),
        QList<int>({16, 24, 16, 24}));
    editor.setOutput(true);
    EXPECT_EQ(doc.ChrOutFlag[2], 1);
    editor.setOutput(false);
    EXPECT_EQ(doc.ChrOutFlag[2], 0);
    EXPECT_EQ(steps(), 5);
    EXPECT_EQ(doc.ChrName[1], QStringLiteral("Chr01"));
}

TEST(PageButtonCaption, ShowsTheFirstEightCharacters)
{
    const std::pair<const char *, const char *> cases[] = {{"", ""},
                                                           {"Chr00", "Chr00"},
                                                           {"MapChip0", "MapChip0"},
                                                           {"Enemy_012", "Enemy_01"},
                                                           {"ＡＢＣＤＥＦＧＨＩ", "ＡＢＣＤＥＦＧＨ"}};
    for (auto [name, caption] : cases)
        EXPECT_EQ(pageButtonCaption(QString::fromUtf8(name)), QString::fromUtf8(caption)) << name;
}

} // namespace
} // namespace vesk4
