#include "canvas/tool_buttons.h"

#include "canvas/block_tools.h"
#include "canvas/mouse_buttons.h"
#include "document/page_state.h"

#include <gtest/gtest.h>

#include "started_block_tools.h"

#include <vector>

namespace vesk4 {
namespace {

class ToolButtonsTest : public StartedBlockTools {
protected:
    const ToolButton &button(int index) const { return tools.tools().toolButton(index); }
    // Shades and enabled states of buttons 0-8, as a string of letters: F face, A active, Y
    // applicable; upper case enabled, lower case disabled.
    std::string looks() const
    {
        std::string out;
        for (int i = 0; i <= ToolButtons::kInvert; ++i) {
            const char c = "FAY"[int(button(i).shade)];
            out += button(i).enabled ? c : char(c - 'A' + 'a');
        }
        return out;
    }
    // A 4 x 3 block of 1s at view cell (2, 1), selected with the range tool.
    void selectBlock()
    {
        for (int y = 1; y < 4; ++y)
            for (int x = 2; x < 6; ++x)
                doc.PixelData(0, x, y) = 1;
        tools.toolButtonClicked(ToolButtons::kRange);
        tools.canvasMouseDown(kLeftButton, 20, 14);
        tools.canvasMouseMove(kLeftButton, 52, 44);
        tools.canvasMouseUp(kLeftButton, 52, 44);
    }
    int onesOnPage() const
    {
        int n = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                n += doc.PixelData(0, x, y) == 1;
        return n;
    }
};

TEST_F(ToolButtonsTest, StartState)
{
    const ToolButtons start;
    EXPECT_EQ(tools.tools(), start);
    EXPECT_EQ(looks(), "AFfffffff");
    EXPECT_FALSE(start.toolButton(ToolButtons::kMapButton).visible);
    EXPECT_FALSE(start.toolButton(ToolButtons::kMapButton).enabled);
    EXPECT_EQ(start.toolButton(ToolButtons::kMapButton).caption, QStringLiteral("面消"));
    const char *captions[] = {"描画", "範囲", "ｺﾋﾟｰ", "移動", "消す", "回転", "左右", "上下", "白黒"};
    for (int i = 0; i <= ToolButtons::kInvert; ++i) {
        EXPECT_EQ(start.toolButton(i).caption, QString::fromUtf8(captions[i]));
        EXPECT_TRUE(start.toolButton(i).visible);
    }
    EXPECT_EQ(start.canvasPointer, CanvasPointer::Default);
    EXPECT_TRUE(start.canvasShown);
    EXPECT_TRUE(start.framesShown);
}

TEST_F(ToolButtonsTest, RangeCopyAndBackToPen)
{
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kRange),
              (Refresh{.canvas = true, .blockSurface = true, .controls = true}));
    EXPECT_EQ(state.toolMode, kToolRange);
    EXPECT_EQ(tools.tools().canvasPointer, CanvasPointer::Cross);
    EXPECT_EQ(looks(), "FAfffffff");
    selectBlock();
    EXPECT_EQ(looks(), "FAYYYffff");

    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kCopy), (Refresh{.blockSurface = true, .controls = true}));
    EXPECT_EQ(looks(), "FAaffYYYY");
    EXPECT_EQ(state.toolMode, kToolFloating);
    const BlockSurface &block = tools.floatingBlock();
    EXPECT_TRUE(block.visible);
    EXPECT_EQ(QRect(block.left, block.top, block.width, block.height), QRect(16, 10, 32, 30));
    EXPECT_EQ(onesOnPage(), 12); // a copy leaves its source

    // The transforms keep colours and tool.
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMirrorLeftRight),
              (Refresh{.blockSurface = true, .controls = true}));
    EXPECT_EQ(looks(), "FAaffYYYY");
    EXPECT_EQ(state.toolMode, kToolFloating);

    tools.toolButtonClicked(ToolButtons::kRange);
    EXPECT_EQ(looks(), "FAaffyyyy");
    EXPECT_FALSE(block.visible);

    // Pen after a new range.
    selectBlock();
    tools.toolButtonClicked(ToolButtons::kCopy);
    doc.PixelData(0, 0, 0) = 1;
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kPen),
              (Refresh{.canvas = true, .blockSurface = true, .controls = true}));
    EXPECT_EQ(state.toolMode, kToolPen);
    EXPECT_EQ(looks(), "AFfffffff");
    EXPECT_EQ(tools.tools().canvasPointer, CanvasPointer::Default);
    EXPECT_FALSE(block.visible);
    EXPECT_EQ(renderer.canvas().pixel(3, 3), qRgb(0, 0, 0)); // repainted
}

TEST_F(ToolButtonsTest, BlockFromAnotherSourceOnlyChangesTheButtons)
{
    selectBlock();
    state.rangeSurface = 1;
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMove), Refresh{.controls = true});
    EXPECT_EQ(looks(), "FAfafYYYY");
    EXPECT_EQ(state.toolMode, kToolFloating);
    EXPECT_FALSE(tools.floatingBlock().visible);
    tools.toolButtonClicked(ToolButtons::kErase);
    EXPECT_EQ(onesOnPage(), 12);
}

TEST_F(ToolButtonsTest, MapSwitchBothWays)
{
    std::vector<std::pair<MapSurface, int>> painted;
    tools.setChipPainter(
        [&](MapSurface surface, int slot, int, const ChipCells &) { painted.emplace_back(surface, slot); });
    doc.chosenMapChip = 7;
    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMapButton),
              (Refresh{.blockSurface = true, .controls = true}));
    const ToolButtons &model = tools.tools();
    EXPECT_EQ(state.toolMode, kToolMap);
    EXPECT_EQ(looks(), "fffffFFFF");
    EXPECT_EQ(model.toolButton(ToolButtons::kMapButton).shade, ButtonShade::Active);
    EXPECT_EQ(model.toolButton(ToolButtons::kMapButton).caption, QStringLiteral("Chr"));
    EXPECT_EQ(model.canvasPointer, CanvasPointer::Cross);
    EXPECT_FALSE(model.canvasShown);
    EXPECT_FALSE(model.framesShown);
    EXPECT_FALSE(tools.floatingBlock().visible);
    // The map grid row by row, then the chip list, then the chosen chip.
    ASSERT_EQ(painted.size(), 32u * 32u + 256u + 1u);
    for (std::size_t k = 0; k < painted.size(); ++k) {
        const auto expected = k < 1024 ? std::pair(MapSurface::Map, int(k))
            : k < 1280                 ? std::pair(MapSurface::ChipList, int(k) - 1024)
                                       : std::pair(MapSurface::ChosenChip, 0);
        ASSERT_EQ(painted[k], expected) << k;
    }

    EXPECT_EQ(tools.toolButtonClicked(ToolButtons::kMapButton),
              (Refresh{.canvas = true, .thumbnail = true, .blockSurface = true, .controls = true}));
    EXPECT_EQ(state.toolMode, kToolPen);
    EXPECT_EQ(doc.chosenMapChip, 0);
    EXPECT_EQ(looks(), "AFfffFFFF"); // the transforms stay enabled
    EXPECT_EQ(model.toolButton(ToolButtons::kMapButton).shade, ButtonShade::Face);
    EXPECT_EQ(model.toolButton(ToolButtons::kMapButton).caption, QStringLiteral("Map"));
    EXPECT_EQ(model.canvasPointer, CanvasPointer::Default);
    EXPECT_TRUE(model.canvasShown);
    EXPECT_FALSE(model.framesShown); // not shown again
    EXPECT_TRUE(tools.floatingBlock().visible);
    EXPECT_EQ(painted.size(), 1281u);
}

TEST_F(ToolButtonsTest, NoButtonNine)
{
    const ToolButtons before = tools.tools();
    for (int index : {-1, 9, 11})
        EXPECT_EQ(tools.toolButtonClicked(index), Refresh{});
    EXPECT_EQ(tools.tools(), before);
    EXPECT_EQ(state.toolMode, kToolPen);
}

} // namespace
} // namespace vesk4
