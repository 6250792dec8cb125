#pragma once

#include "document/cell_store.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vesk4 {

// One cell write that changed a cell: where, and the value before and after.
struct CellChange {
    int16_t page;
    int16_t x;
    int16_t y;
    int16_t before;
    int16_t after;

    friend bool operator==(const CellChange &, const CellChange &) = default;
};

// The cell writes of an edit in the order they happened, so that the edit can be taken back and
// done again exactly. Writes that leave a cell as it was are not kept.
class CellChanges {
public:
    // Writes value into the cell and notes the change.
    void write(PagedCellStore &cells, int page, int x, int y, int16_t value)
    {
        const int16_t before = std::as_const(cells)(page, x, y);
        if (before == value)
            return;
        changes_.push_back({int16_t(page), int16_t(x), int16_t(y), before, value});
        cells(page, x, y) = value;
    }

    bool empty() const { return changes_.empty(); }
    const std::vector<CellChange> &list() const { return changes_; }
    // Hands the changes over and starts an empty list.
    std::vector<CellChange> take() { return std::exchange(changes_, {}); }

private:
    std::vector<CellChange> changes_;
};

// Writes the cell through the journal when there is one, else straight into the store.
inline void writeCell(PagedCellStore &cells, CellChanges *journal, int page, int x, int y, int16_t value)
{
    if (journal)
        journal->write(cells, page, x, y, value);
    else
        cells.set(page, x, y, value);
}

// Puts the cells back as they were before the changes (undo) or as they were after them (redo).
inline void restoreBefore(PagedCellStore &cells, const std::vector<CellChange> &changes)
{
    for (auto it = changes.rbegin(); it != changes.rend(); ++it)
        cells.set(it->page, it->x, it->y, it->before);
}

inline void restoreAfter(PagedCellStore &cells, const std::vector<CellChange> &changes)
{
    for (const CellChange &c : changes)
        cells.set(c.page, c.x, c.y, c.after);
}

} // namespace vesk4
