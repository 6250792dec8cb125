#include "document/page_state.h"

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

TEST(PageState, StartDocumentShowsPageZero)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    EXPECT_EQ(state.currentPage, 0);
    EXPECT_EQ(state.leftPenColour, 0);
    EXPECT_EQ(state.rightPenColour, 255);
    EXPECT_EQ(state.rightPenAltColour, 128);
    EXPECT_EQ(doc.Pal16[0][0], 255);
    EXPECT_EQ(doc.currentPatternWidth, 8);
}

TEST(PageState, ShowingAPageTakesItsSizeAndClampsItsPatternCount)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.ChrSizeX[6] = 12; // a size no list offers, as a project file may bring
    doc.ChrSizeY[6] = 40;
    doc.ChrPtnNum[6] = 150;
    doc.ChrPtnNum[7] = 150;
    doc.ChrPtnNum[8] = -3;
    doc.Pal16[6][1] = 33;

    state.currentPage = 6;
    showPageTables(doc, state);
    EXPECT_EQ(doc.currentPatternWidth, 12);
    EXPECT_EQ(doc.currentPatternHeight, 40);
    EXPECT_EQ(doc.ChrPtnNum[6], 0);
    EXPECT_EQ(doc.ChrPtnNum[7], 150); // only the page shown
    EXPECT_EQ(state.leftPenColour, 33);

    doc.ChrPtnNum[6] = 99;
    showPageTables(doc, state);
    EXPECT_EQ(doc.ChrPtnNum[6], 99);

    state.currentPage = 8;
    showPageTables(doc, state);
    EXPECT_EQ(doc.ChrPtnNum[8], -3); // a negative count is kept
}

} // namespace
} // namespace vesk4
