#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace vesk4 {

// The cell stores reach beyond the 64 x 256 sheet on every side: the pen, the range tools and the
// pattern layouts may address a few cells past the sheet, and those cells must exist.
inline constexpr int kCellMin = -10;
inline constexpr int kCellMax = 400;
inline constexpr int kCellExtent = kCellMax - kCellMin + 1; // 411

inline constexpr int kPageCount = 32;
inline constexpr int kLastCharacterPage = 30; // page 31 is the BG page

inline constexpr int kSheetWidth = 64; // columns of a page the project file keeps
inline constexpr int kSheetHeight = 256; // rows of a page the project file keeps
inline constexpr int kSheetCells = kSheetWidth * kSheetHeight; // cells of one sheet

inline constexpr bool inCellStore(int x, int y)
{
    return x >= kCellMin && x <= kCellMax && y >= kCellMin && y <= kCellMax;
}

inline constexpr bool inSheet(int x, int y)
{
    return unsigned(x) < unsigned(kSheetWidth) && unsigned(y) < unsigned(kSheetHeight);
}

// Cell planes of Pages pages, each addressable from -10 to 400 on both axes, every cell 0 until
// written. Almost everything a document holds lies on the sheets, so those are kept dense (one
// block for all pages, allocated on the first write); the much larger border around them is kept
// in 16 x 16 tiles made on the first write into them. A new or loaded document so costs what it
// holds rather than 411 x 411 cells a page.
//
// The const reads never allocate. The non-const operator() makes the sheet block or the border
// tile of the cell it returns, so code that only reads should read through a const store; set()
// writes without making anything for a 0 written where nothing was.
template <int Pages> class CellPlanes {
public:
    // The sheets in the order a project file keeps them: cell (page, x, y) at (page * 256 + y) * 64 + x.
    static constexpr std::size_t kSheetCellCount = std::size_t(Pages) * kSheetWidth * kSheetHeight;

    CellPlanes() = default;
    CellPlanes(const CellPlanes &other) : sheets_(other.sheets_), tileOfSlot_(other.tileOfSlot_)
    {
        tiles_.reserve(other.tiles_.size());
        for (const std::unique_ptr<Tile> &tile : other.tiles_)
            tiles_.push_back(std::make_unique<Tile>(*tile));
    }
    CellPlanes(CellPlanes &&) noexcept = default;
    CellPlanes &operator=(const CellPlanes &other)
    {
        if (this != &other)
            *this = CellPlanes(other);
        return *this;
    }
    CellPlanes &operator=(CellPlanes &&) noexcept = default;
    ~CellPlanes() = default;

    int16_t operator()(int page, int x, int y) const
    {
        assertInStore(page, x, y);
        if (inSheet(x, y))
            return sheets_.empty() ? int16_t(0) : sheets_[sheetIndex(page, x, y)];
        const Tile *tile = tileAt(tileSlot(page, x, y));
        return tile ? (*tile)[indexInTile(x, y)] : int16_t(0);
    }

    int16_t &operator()(int page, int x, int y)
    {
        assertInStore(page, x, y);
        if (inSheet(x, y)) {
            if (sheets_.empty())
                sheets_.resize(kSheetCellCount);
            return sheets_[sheetIndex(page, x, y)];
        }
        return madeTile(tileSlot(page, x, y))[indexInTile(x, y)];
    }

    void set(int page, int x, int y, int16_t value)
    {
        if (value != 0 || std::as_const(*this)(page, x, y) != 0)
            (*this)(page, x, y) = value;
    }

    // The cell, or 0 for an address outside the store.
    int16_t valueOr0(int page, int x, int y) const
    {
        return page >= 0 && page < Pages && inCellStore(x, y) ? (*this)(page, x, y) : int16_t(0);
    }

    // The 64 cells of sheet row y, x from 0 up; valid until the next non-const call.
    const int16_t *sheetRow(int page, int y) const
    {
        assertInStore(page, 0, y);
        assert(y >= 0 && y < kSheetHeight);
        static constexpr std::array<int16_t, kSheetWidth> kZeroRow{};
        return sheets_.empty() ? kZeroRow.data() : sheets_.data() + sheetIndex(page, 0, y);
    }

    // Takes over cells (kSheetCellCount of them, in sheet order) as the sheets; the border stays.
    void replaceSheets(std::vector<int16_t> &&cells)
    {
        assert(cells.size() == kSheetCellCount);
        sheets_ = std::move(cells);
    }

    // Equal when every cell reads the same, however much of either store is allocated.
    friend bool operator==(const CellPlanes &a, const CellPlanes &b)
    {
        if (a.sheets_.empty() != b.sheets_.empty()) {
            const std::vector<int16_t> &held = a.sheets_.empty() ? b.sheets_ : a.sheets_;
            if (!allZero(held.data(), held.size()))
                return false;
        } else if (a.sheets_ != b.sheets_) {
            return false;
        }
        if (a.tileOfSlot_.empty() && b.tileOfSlot_.empty())
            return true;
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
            const Tile *ta = a.tileAt(slot);
            const Tile *tb = b.tileAt(slot);
            if (ta == tb)
                continue; // both absent
            if (ta && tb ? *ta != *tb : !allZero((ta ? ta : tb)->data(), kTileCells))
                return false;
        }
        return true;
    }

private:
    static constexpr int kTileSide = 16;
    static constexpr int kTileCells = kTileSide * kTileSide;
    static constexpr int kTilesAcross = (kCellExtent + kTileSide - 1) / kTileSide; // 26
    static constexpr std::size_t kSlotCount = std::size_t(Pages) * kTilesAcross * kTilesAcross;
    static_assert(kSlotCount < 0xFFFF, "tile numbers are 16-bit");
    using Tile = std::array<int16_t, kTileCells>;

    static void assertInStore([[maybe_unused]] int page, [[maybe_unused]] int x, [[maybe_unused]] int y)
    {
        assert(page >= 0 && page < Pages && inCellStore(x, y));
    }

    static std::size_t sheetIndex(int page, int x, int y)
    {
        return (std::size_t(page) * kSheetHeight + std::size_t(y)) * kSheetWidth + std::size_t(x);
    }

    static std::size_t tileSlot(int page, int x, int y)
    {
        return std::size_t(page) * kTilesAcross * kTilesAcross + std::size_t((x - kCellMin) / kTileSide)
            + std::size_t(kTilesAcross) * std::size_t((y - kCellMin) / kTileSide);
    }

    static std::size_t indexInTile(int x, int y)
    {
        return std::size_t((x - kCellMin) % kTileSide)
            + std::size_t(kTileSide) * std::size_t((y - kCellMin) % kTileSide);
    }

    static bool allZero(const int16_t *cells, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            if (cells[i] != 0)
                return false;
        return true;
    }

    const Tile *tileAt(std::size_t slot) const
    {
        if (tileOfSlot_.empty() || tileOfSlot_[slot] == 0)
            return nullptr;
        return tiles_[tileOfSlot_[slot] - 1].get();
    }

    Tile &madeTile(std::size_t slot)
    {
        if (tileOfSlot_.empty())
            tileOfSlot_.resize(kSlotCount);
        if (tileOfSlot_[slot] == 0) {
            tiles_.push_back(std::make_unique<Tile>());
            tileOfSlot_[slot] = uint16_t(tiles_.size());
        }
        return *tiles_[tileOfSlot_[slot] - 1];
    }

    std::vector<int16_t> sheets_; // empty: every sheet cell 0
    std::vector<uint16_t> tileOfSlot_; // per tile position: 0 none, else 1 + its place in tiles_
    // Each tile on its own, so a cell reference handed out stays valid while more tiles are made.
    std::vector<std::unique_ptr<Tile>> tiles_;
};

// One cell plane per page: palette entry numbers or map chip numbers.
using PagedCellStore = CellPlanes<kPageCount>;

// A single plane, the block buffers, addressed by (x, y).
class CellStore {
public:
    int16_t &operator()(int x, int y) { return plane_(0, x, y); }
    int16_t operator()(int x, int y) const { return plane_(0, x, y); }
    void set(int x, int y, int16_t value) { plane_.set(0, x, y, value); }

    friend bool operator==(const CellStore &, const CellStore &) = default;

private:
    CellPlanes<1> plane_;
};

} // namespace vesk4
