// The status bar through the real window: the place of the cell under the pointer in the include
// file's data, and the total the file assembles to, which follows the page settings as they are
// edited and turns red above the size limit.
#include "shown_window.h"

#include "app/firmware_status.h"
#include "app/settings_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

namespace vesk4 {
namespace {

class FirmwareStatusTest : public ShownWindowTest {
protected:
    void TearDown() override { status->setSizeLimit(0); } // the settings store outlives the test

    void hoverCell(int x, int y) { moveOnCanvas(cellCentre({x, y}), Qt::NoButton); }
    QString cellText() const { return status->cellLabel()->text(); }
    QString totalText() const { return status->totalLabel()->text(); }
    bool totalRed() const { return status->totalLabel()->styleSheet().contains(QStringLiteral("red")); }

    FirmwareStatus *status = window.firmwareStatus();
};

TEST_F(FirmwareStatusTest, HoveredCellShowsItsPatternByteAndBitAndTheTotal)
{
    EXPECT_TRUE(status->cellLabel()->isVisible());
    EXPECT_EQ(totalText(), QStringLiteral("合計 0 バイト")); // nothing exported at start-up
    hoverCell(9, 3);
    EXPECT_EQ(cellText(), QStringLiteral("セル 9,3  パターン外")); // page 0 holds no pattern yet

    // Two "2色" patterns of 8 x 8 on page 0, exported: 2 size bytes and 8 column bytes each.
    QLineEdit *count = window.settingsPanel()->patternCountBox();
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("2"));
    QTest::keyClick(window.settingsPanel()->outputCheckBox(), Qt::Key_Space);
    ASSERT_EQ(doc.pages[0].outputFlag, 1);
    EXPECT_EQ(totalText(), QStringLiteral("合計 18 バイト"));
    hoverCell(9, 3); // pattern 1, its second column: byte 2 + 8 + 1, bit 3
    EXPECT_EQ(cellText(),
              QStringLiteral("セル 9,3  パターン 1  バイト 11 ビット 3 (1ビット)  オフセット 11"));
    hoverCell(0, 0);
    EXPECT_EQ(cellText(), QStringLiteral("セル 0,0  パターン 0  バイト 2 ビット 0 (1ビット)  オフセット 2"));

    // Undo takes the flag back at once, without a move: the place stays, the offset and bytes go.
    window.undo();
    EXPECT_EQ(totalText(), QStringLiteral("合計 0 バイト"));
    EXPECT_EQ(cellText(), QStringLiteral("セル 0,0  パターン 0  バイト 2 ビット 0 (1ビット)"));

    // "2色Ex" pages name the mask byte too; another page shown speaks of its own cells.
    doc.pages[0].colourMode = kMode2Ex;
    window.showCurrentPage();
    EXPECT_EQ(cellText(), QStringLiteral("セル 0,0  パターン 0  バイト 3 ビット 0 (1ビット)  マスク 2"));
    clickPage(1);
    EXPECT_EQ(cellText(), QStringLiteral("セル 0,0  パターン外"));
    clickPage(0);
    hoverCell(9, 3);
    EXPECT_EQ(cellText(), QStringLiteral("セル 9,3  パターン 1  バイト 21 ビット 3 (1ビット)  マスク 20"));
}

TEST_F(FirmwareStatusTest, TotalTurnsRedAboveTheSizeLimit)
{
    doc.pages[0].outputFlag = 1;
    doc.pages[0].patternCount = 2;
    window.showCurrentPage();
    EXPECT_EQ(totalText(), QStringLiteral("合計 18 バイト"));
    EXPECT_FALSE(totalRed());
    status->setSizeLimit(18);
    EXPECT_EQ(totalText(), QStringLiteral("合計 18 / 18 バイト"));
    EXPECT_FALSE(totalRed());
    status->setSizeLimit(17);
    EXPECT_EQ(totalText(), QStringLiteral("合計 18 / 17 バイト"));
    EXPECT_TRUE(totalRed());
    EXPECT_EQ(QSettings().value(QLatin1String(FirmwareStatus::kSizeLimitKey)).toLongLong(), 17);

    doc.pages[0].patternWidth = 0; // a page that cannot be laid out is no total
    window.showCurrentPage();
    EXPECT_EQ(totalText(), QStringLiteral("出力できません"));
    EXPECT_TRUE(status->totalLabel()->toolTip().contains(QStringLiteral("ページ 0「Chr00」")));
}

} // namespace
} // namespace vesk4
