#pragma once

#include "document/document.h"
#include "document/result.h"
#include "image/page_image.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace vesk4 {

// Characters of a font drawn into a page's patterns, one character a pattern.
//
// As the image import, in two steps: planGlyphImport() works out every cell and the new pattern
// count without touching the document, applyGlyphImport() writes them and revertGlyphImport()
// puts the old ones back.
//
//   Expected<GlyphFont> font = GlyphFont::load(QStringLiteral("font.ttf"), 12);
//   Expected<GlyphImportPlan> plan = planGlyphImport(doc, page, font.value(), text, first);
//   if (plan) applyGlyphImport(doc, plan.value());
//
// Drawing needs Qt's font engine, so a QGuiApplication must exist (the offscreen platform will do).

inline constexpr int kMinGlyphPixelSize = 4;
inline constexpr int kMaxGlyphPixelSize = 64;
inline constexpr int kMaxPagePatterns = 99; // the most the pattern-count box takes

// " " to "~", the characters imported when none are given.
QString printableAscii();
// "U+0041", at least four upper-case hexadecimal digits.
QString codePointText(char32_t character);

// One character drawn into a pattern box, row by row: 1 where the glyph has ink, else 0.
struct GlyphCells {
    QSize box;
    std::vector<uint8_t> ink;
    bool missing = false; // the font has no glyph for it: the box is blank
    bool cut = false; // the glyph has ink outside the box, which is left out

    bool inkAt(int x, int y) const
    {
        return ink[std::size_t(y) * std::size_t(box.width()) + std::size_t(x)] != 0;
    }
};

// A font loaded to draw glyphs without anti-aliasing and without hinting, so a glyph has the same
// cells on every machine with the same font file.
class GlyphFont {
public:
    // font is a font file (any format Qt's font engine reads: TrueType, OpenType, BDF, PCF) or the
    // family name of an installed font; pixelSize 4-64. A bitmap font draws at its nearest size.
    static Expected<GlyphFont> load(const QString &font, int pixelSize);

    GlyphFont(GlyphFont &&other) noexcept;
    GlyphFont &operator=(GlyphFont &&other) noexcept;
    ~GlyphFont();

    QString familyName() const;

    // The character in a box: the baseline at the font's ascent from the top, rounded; the glyph's
    // advance centred in the box's width, its start rounded to the nearest column (half to even).
    GlyphCells draw(char32_t character, QSize box) const;

private:
    struct Loaded;
    explicit GlyphFont(std::unique_ptr<Loaded> loaded);
    std::unique_ptr<Loaded> loaded_;
};

struct GlyphImportPlan {
    int page = 0;
    // Only the cells whose value changes, pattern by pattern.
    std::vector<ImportedCell> changes;
    int16_t countBefore = 0; // the page's pattern count before and after
    int16_t countAfter = 0;
    int firstPattern = 0;
    int characters = 0;
    int cutGlyphs = 0; // glyphs with ink outside their box
    std::vector<char32_t> missing; // characters without a glyph, in the order of the text
};

// Character i of characters (by code point) into pattern firstPattern + i of page, at the pattern's
// place on the sheet as the include export lays it out; each pattern's whole box is written, entry
// 1 for ink and 0 elsewhere. The pattern count becomes firstPattern + the number of characters when
// that is larger. Fails, leaving everything as it was, on a page outside 0-30, no characters, a
// first pattern below 0, a pattern size that cannot be laid out, more than 99 patterns, or more
// patterns than the sheet holds at the page's pattern size.
Expected<GlyphImportPlan> planGlyphImport(const Document &doc, int page, const GlyphFont &font,
                                          const QString &characters, int firstPattern);

void applyGlyphImport(Document &doc, const GlyphImportPlan &plan);
void revertGlyphImport(Document &doc, const GlyphImportPlan &plan);

// The top-left cell of pattern on the page's sheet, where the include layout places it: bands of 64
// cells in the modes of more colours, bands of whole patterns in the two-colour modes. The page's
// pattern width must be 1-64.
QPoint patternOrigin(const Document &doc, int page, int pattern);

} // namespace vesk4
