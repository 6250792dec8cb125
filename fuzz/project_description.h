#pragma once

// The structure target's input: a few bytes that describe a whole project file sparsely (the
// layout, the settings of a few pages, a few runs of cells, a few damaged fields), expanded here to
// the file's full text. The fuzzer thus works on the document and on single fields anywhere in the
// file, from the format number to the last map cell, without carrying megabytes of cells.
//
// The bytes, integers little-endian:
//   layout       bits 0-1 the line end (CR LF, LF, CR, CR LF); bits 2-3 the form of the numbers (the
//                writer's " 7 " and "-1 ", "7," or "7 " with the line end after each row's last
//                cell, the writer's); bit 4 the map block is the other way round from what the
//                format number asks for; bit 5 the final empty line is left out
//   format       the format number, from kFormatNumbers by the low 3 bits
//   then records, each a kind byte (kind % 4) and its fields; a record cut by the end is dropped:
//     settings   page, colourMode, patternWidth, patternHeight, patternCount, outputFlag (int16 each), the
//                name's length n (byte), n bytes of name as the file holds it
//     palette    page, entry (byte % 28: pal4 0-3, pal8 4-11, pal16 12-27), value (int16)
//     cells      plane and page (bit 7 the map, bits 0-4 the page), first cell (uint16 % 16384, y *
//                64 + x), count (uint16), value (int16), step (int8): the cells from there on, into
//                the next pages, hold value, value + step, value + 2 * step, ...
//     damage     area (byte % 5: format number, pixel block, settings, map block, final line), page
//                (byte), index (uint16, the cell y * 64 + x or the settings field 0-33), action
//                (byte % kDamageActions), argument (byte); see FieldDamage
// Pages not described keep the settings of a new document; cells not described hold 0.

#include "files/project_file.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <vector>

namespace vesk4 {

inline constexpr std::array<int16_t, 8> kFormatNumbers{0, 1, 2, -1, 32767, -32768, 256, 257};

// Fields are numbered in the order of the file: the format number, the pixel cells, the 34
// settings of each page, the map cells and the final empty line as one empty field.
inline constexpr int64_t kPageCells = int64_t(kSheetWidth) * kSheetHeight;
inline constexpr int64_t kPlaneCells = kPageCells * kPageCount;
inline constexpr int kSettingsFields = 34;
inline constexpr int64_t kFirstPixelField = 1;
inline constexpr int64_t kFirstSettingsField = kFirstPixelField + kPlaneCells;
inline constexpr int64_t kFirstMapField = kFirstSettingsField + int64_t(kSettingsFields) * kPageCount;
inline constexpr int64_t kFinalLineField = kFirstMapField + kPlaneCells;

enum class LineEnd { CrLf, Lf, Cr };
enum class NumberForm { Writer, Comma, Blank };

// One field changed from what the writer would put there. What each action does with its argument:
enum class DamageAction : uint8_t {
    OutOfRange, // the number is one of a few outside -32768 to 32767 (or in it, with leading zeros)
    NotANumber, // the field holds one of a few texts that are no whole number, or nothing
    ByteBefore, // the argument byte comes before the field's text
    ByteAfter, // the argument byte comes after the field's text, before what ends it
    OtherEnd, // the field ends with one of a few other line ends and separators
    Cut, // the file ends inside or after the field: the first (argument % length + 1) bytes stay
    Dropped, // the field is left out, with what ends it
    Repeated, // the field is there twice
};
inline constexpr int kDamageActions = 8;

struct FieldDamage {
    int64_t field = 0;
    DamageAction action = DamageAction::OutOfRange;
    uint8_t argument = 0;
};

struct ProjectDescription {
    LineEnd lineEnd = LineEnd::CrLf;
    NumberForm form = NumberForm::Writer;
    bool mapBlock = false;
    bool finalLine = true;
    // The tables as the file states them: pixels and map sheets full size (the map is written
    // only with mapBlock), names as the file's bytes in names rather than in pages[].name.
    ProjectContent content;
    std::array<QByteArray, kPageCount> names;
    // In the order of the fields they change; damages of one field in the order given.
    std::vector<FieldDamage> damages;
};

// Fills d from the bytes. The sheets keep their memory from one input to the next, so a run of the
// fuzzer does not page in megabytes afresh.
void readDescription(QByteArrayView input, ProjectDescription &d);

// The bytes of a description, the inverse of readDescription, stopped before limit bytes: the
// damages first, then the settings and palette entries unlike a new document's, then the runs of
// cells. Makes the target's seeds from whole documents.
QByteArray descriptionBytes(const ProjectDescription &description, qsizetype limit);

// The content in the writer's layout, without damage; the names in code page 932.
ProjectDescription describedContent(const ProjectContent &content);

// Writes the file's text into text, whose memory is kept; returns how many damages changed it
// (those of fields the file has).
int writeProjectText(const ProjectDescription &description, QByteArray &text);

// Puts into content what a reader must give for the text of a description without damage; false
// when the file does not hold a whole document: a map block missing for format number 1, a name
// that is not one text field of valid code page 932 (a comma, a line end, a control character, a
// leading blank).
bool soundContent(const ProjectDescription &description, ProjectContent &content);

} // namespace vesk4
