#pragma once

#include "document/document.h"

#include <QString>

namespace vesk4 {

// A project as plain ASCII text, for reading in a terminal and for `git diff`: the format number,
// then each page that holds anything (a cell other than 0, or settings other than a new project's)
// as a header with its number, name, mode, size, pattern count and output flag, and its rows from
// the top down to the last one holding a cell, one character a cell: '.' 0, '#' 1, '-' 2, '3'-'F'
// for 3-15, '?' for any other value. With the map block, the map cells other than 0 follow. The
// palette rows are left out: opening a project resets them.
QString projectText(const Document &doc);

// One page in the same form, shown even when it holds nothing.
QString pageText(const Document &doc, int page);

// The pages and rows where two projects differ, side by side; empty when they show the same.
QString projectDifferences(const Document &a, const Document &b);

} // namespace vesk4
