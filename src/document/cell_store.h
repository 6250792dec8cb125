#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vesk4 {

// The cell stores reach beyond the 64 x 256 sheet on every side: the pen, the range tools and the
// pattern layouts may address a few cells past the sheet, and those cells must exist.
inline constexpr int kCellMin = -10;
inline constexpr int kCellMax = 400;
inline constexpr int kCellExtent = kCellMax - kCellMin + 1; // 411

inline constexpr int kPageCount = 32;
inline constexpr int kLastCharacterPage = 30; // page 31 is the BG page

inline constexpr bool inCellStore(int x, int y)
{
    return x >= kCellMin && x <= kCellMax && y >= kCellMin && y <= kCellMax;
}

// One cell plane per page, page varying fastest, then x, then y: cell (page, x, y) lies at
// page + 32 * (x + 10) + 13152 * (y + 10).
class PagedCellStore {
public:
    PagedCellStore() : cells_(std::size_t(kPageCount) * kCellExtent * kCellExtent, 0) { }

    int16_t &operator()(int page, int x, int y) { return cells_[index(page, x, y)]; }
    int16_t operator()(int page, int x, int y) const { return cells_[index(page, x, y)]; }

    // The cell, or 0 for an address outside the store.
    int16_t valueOr0(int page, int x, int y) const
    {
        return page >= 0 && page < kPageCount && inCellStore(x, y) ? cells_[index(page, x, y)] : 0;
    }

    static std::size_t index(int page, int x, int y)
    {
        assert(page >= 0 && page < kPageCount && inCellStore(x, y));
        return std::size_t(page) + std::size_t(kPageCount) * std::size_t(x - kCellMin)
            + std::size_t(kPageCount) * kCellExtent * std::size_t(y - kCellMin);
    }

    const int16_t *data() const { return cells_.data(); }
    std::size_t size() const { return cells_.size(); }

    friend bool operator==(const PagedCellStore &, const PagedCellStore &) = default;

private:
    std::vector<int16_t> cells_;
};

// A single plane of the same extent, x varying fastest: cell (x, y) at (x + 10) + 411 * (y + 10).
class CellStore {
public:
    CellStore() : cells_(std::size_t(kCellExtent) * kCellExtent, 0) { }

    int16_t &operator()(int x, int y) { return cells_[index(x, y)]; }
    int16_t operator()(int x, int y) const { return cells_[index(x, y)]; }

    static std::size_t index(int x, int y)
    {
        assert(inCellStore(x, y));
        return std::size_t(x - kCellMin) + std::size_t(kCellExtent) * std::size_t(y - kCellMin);
    }

    std::size_t size() const { return cells_.size(); }

    friend bool operator==(const CellStore &, const CellStore &) = default;

private:
    std::vector<int16_t> cells_;
};

} // namespace vesk4
