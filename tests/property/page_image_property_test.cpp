#include "document/page_state.h"
#include "image/page_image.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>

namespace vesk4 {
namespace {

// A page of a monochrome mode written as PNG and read back into an empty page gives the same cells.
TEST(PageImageProperty, MonochromePagesSurviveTheTripThroughPng)
{
    for (const int mode : {kMode2, kMode2Ex}) {
        for (unsigned seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << " seed " << seed);
            std::mt19937 rng(seed);
            std::uniform_int_distribution<int> entry(0, mode == kMode2Ex ? 2 : 1);
            Document doc;
            EditorState state;
            startDocument(doc, state);
            doc.ColorMode[3] = doc.ColorMode[4] = int16_t(mode);
            for (int y = 0; y < kSheetHeight; ++y)
                for (int x = 0; x < kSheetWidth; ++x)
                    doc.PixelData(3, x, y) = int16_t(entry(rng));

            QByteArray png;
            QBuffer out(&png);
            out.open(QIODevice::WriteOnly);
            ASSERT_TRUE(pageImage(doc, 3).value().save(&out, "PNG"));
            QBuffer in(&png);
            in.open(QIODevice::ReadOnly);
            const Expected<QImage> image = readImportImage(in);
            ASSERT_TRUE(image.ok());
            const Expected<ImportPlan> plan = planImageImport(doc, 4, image.value(), {0, 0});
            ASSERT_TRUE(plan.ok());
            EXPECT_EQ(plan.value().cut, 0);
            applyImport(doc, plan.value());

            int differing = 0;
            for (int y = 0; y < kSheetHeight; ++y)
                for (int x = 0; x < kSheetWidth; ++x)
                    differing += doc.PixelData(3, x, y) != doc.PixelData(4, x, y);
            EXPECT_EQ(differing, 0);
        }
    }
}

} // namespace
} // namespace vesk4
