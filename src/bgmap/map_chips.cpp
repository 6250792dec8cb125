#include "bgmap/map_chips.h"

namespace vesk4 {

QPoint chipCell(int n, int i, int j)
{
    return QPoint(kChipSize * (n % kChipsAcross) + i, kChipSize * (n / kChipsAcross) + j);
}

ChipCells chipCells(const Document &doc, int page, int n)
{
    ChipCells cells{};
    for (int j = 0; j < kChipSize; ++j)
        for (int i = 0; i < kChipSize; ++i) {
            const QPoint at = chipCell(n, i, j);
            cells[std::size_t(i) + std::size_t(j) * kChipSize] = doc.PixelData.valueOr0(page, at.x(), at.y());
        }
    return cells;
}

int16_t mapChipNumber(const Document &doc, int x, int y)
{
    return doc.MapData.valueOr0(0, x, y);
}

void drawMap(const Document &doc, const EditorState &state, const ChipPainter &paint)
{
    for (int y = 0; y < kMapSize; ++y)
        for (int x = 0; x < kMapSize; ++x) {
            const int chip = mapChipNumber(doc, x, y);
            const ChipCells cells = chipCells(doc, state.currentPage, chip);
            if (paint)
                paint(MapSurface::Map, x + kMapSize * y, chip, cells);
        }
}

void drawChipList(const Document &doc, const EditorState &state, const ChipPainter &paint)
{
    for (int chip = 0; chip < kChipCount; ++chip) {
        const ChipCells cells = chipCells(doc, state.currentPage, chip);
        if (paint)
            paint(MapSurface::ChipList, chip, chip, cells);
    }
}

void drawChosenChip(const Document &doc, const EditorState &state, const ChipPainter &paint)
{
    const ChipCells cells = chipCells(doc, state.currentPage, state.chosenMapChip);
    if (paint)
        paint(MapSurface::ChosenChip, 0, state.chosenMapChip, cells);
}

} // namespace vesk4
