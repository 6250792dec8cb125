#pragma once

// What the fuzz targets do with one input, as plain functions: the targets call them on every input
// and the regression test calls them on every stored input that once went wrong. A check returns the
// broken rule as a failure; a crash or a sanitizer report is the other way for an input to fail.

#include "document/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHashFunctions>
#include <QStringView>

#include <cstddef>

namespace vesk4 {

// What each fuzz target does with one input.
Status fuzzProjectFile(QByteArrayView input); // fuzz_project_file
Status fuzzProjectSettings(QByteArrayView input); // fuzz_project_settings
Status fuzzNumberText(QByteArrayView input); // fuzz_number_text
Status fuzzProjectStructure(QByteArrayView input); // the stored inputs of fuzz_project_structure
// fuzz_project_structure itself: saves and reads again one input in kSaveAgainShare, the step that
// costs as much as the first read and finds the least, so the target runs more inputs a second.
Status fuzzProjectStructureQuickly(QByteArrayView input);
inline constexpr size_t kSaveAgainShare = 4;
Status fuzzIncludeFile(QByteArrayView input); // the stored inputs of fuzz_include_file
// fuzz_include_file itself: saves the project and reads it again for one input in
// kProjectAgainShare; the project file's own targets check that step, and on every input it takes
// three quarters of a run.
Status fuzzIncludeFileQuickly(QByteArrayView input);
inline constexpr size_t kProjectAgainShare = 16;
Status fuzzImageImport(QByteArrayView input); // fuzz_image_import

// Reads the bytes as a project file. When they read: opens the document as the editor does, checks
// that saving and reading back keeps every table a read keeps, exports it twice (same bytes, or the
// same reported failure) and draws a few pages at a few scroll positions.
Status checkProjectBytes(QByteArrayView bytes);

// A whole project file around a short input, so the fuzzer can work on the page settings without
// carrying a megabyte of cells: the format number (1 with a map block when the first byte is odd,
// else 0), a fixed pixel block of assorted cell values, the rest of the input as the settings block,
// and the map block when there is one.
QByteArray projectAroundSettings(QByteArrayView input);

// Reads the text of a described project file (project_description.h) and nothing more. A file
// without damage reads as the tables described; any other read either fails, naming a line the
// file has, or reads tables that a save and a second read give back unchanged (checked when
// saveAgain is true).
Status checkDescribedProject(QByteArrayView description, bool saveAgain = true);

// The input as the settings panel's text: UTF-8 when the first byte is even, else UTF-16 from the
// second byte on (any code unit, lone surrogates included).
QString numberTextOf(QByteArrayView input);

// Reads the text as the settings panel does and checks leadingNumber, isNumber and toInt16 against
// each other and against the C library reading the same characters in the "C" locale.
Status checkNumberText(QStringView text);

// toInt16 on one value: rounds to the nearest, an exact half to the even integer, and gives nothing
// exactly when that integer does not fit 16 bits or the value is not finite.
Status checkToInt16(double value);

// The include target's input: an odd first byte and the include file, or an even first byte and
// a description (checkDescribedInclude).
//
// Reads the bytes as an include file (`vesk4 from-inc`). A failed read gives a reason and a line
// the file has. A read gives a project that saves and reads back unchanged (checked when
// saveProjectAgain is true), and that exports to an include file reading back as the same project.
Status checkIncludeBytes(QByteArrayView bytes, bool saveProjectAgain = true);

// The include file the export writes for a small document the bytes describe: up to seven flagged
// pages of any mode, size and count, cells mostly of values the mode writes, page 0's palette rows,
// a map; then up to three lines damaged (removed, doubled, swapped, cut, a byte changed). The text
// passes checkIncludeBytes, and without damage it reads back (unless a pattern reaches past the
// sheet) and exports again to the same bytes.
Status checkDescribedInclude(QByteArrayView description, bool saveProjectAgain = true);

// The first four bytes choose the page's colour mode, the page, the threshold, the dithering and
// where the image goes; the rest is read as an image file, as the editor's import reads one, with
// decoding limited to 4 MiB. An image that reads is planned onto the page: the plan changes exactly
// the sheet cells whose entry differs, to the entries of the image's first rows, counts the pixels
// off the sheet as cut, and applied through a journal is taken back whole.
Status checkImageImport(QByteArrayView input);

} // namespace vesk4
