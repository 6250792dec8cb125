#pragma once

// Random documents for the property tests, from a seeded generator so a failure repeats.

#include "document/document.h"

#include <QString>

#include <initializer_list>
#include <random>

namespace vesk4 {

// One of the values, uniformly.
int16_t pickOf(std::mt19937 &rng, std::initializer_list<int> values);

// Any 16-bit value, the ends of the range and their neighbours much more often than chance gives.
int16_t anyInt16(std::mt19937 &rng);

// A page name that a project file can carry: no comma, double quote or control character other than
// a tab, no leading blank; ASCII, full- and half-width Japanese, trailing blanks, empty, long.
QString storableName(std::mt19937 &rng);

// The start-up document with every table the project file carries filled at random: the format
// number (often 1, so with a map), every page setting, Pal4, Pal8 and Pal16 entries 0-15, every
// sheet cell of both planes. The cells outside the sheets stay 0.
Document randomProjectDocument(std::mt19937 &rng);

} // namespace vesk4
