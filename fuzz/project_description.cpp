#include "fuzz/project_description.h"

#include "document/page_state.h"
#include "files/sjis_text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace vesk4 {

namespace {

enum RecordKind : uint8_t { SettingsRecord, PaletteRecord, CellsRecord, DamageRecord };
constexpr int kRecordKinds = 4;
enum DamageArea : uint8_t { FormatArea, PixelArea, SettingsArea, MapArea, FinalLineArea };
constexpr int kDamageAreas = 5;
constexpr int kPaletteEntries = 4 + 8 + 16;

constexpr std::array<LineEnd, 4> kLineEnds{LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr, LineEnd::CrLf};
constexpr std::array<NumberForm, 4> kForms{NumberForm::Writer, NumberForm::Comma, NumberForm::Blank,
                                           NumberForm::Writer};
constexpr uint8_t kMapTheOtherWay = 0x10;
constexpr uint8_t kNoFinalLine = 0x20;

// Numbers a 16-bit field cannot hold (one longer than a failure message shows), and the ends of
// its range with many leading zeros.
constexpr std::array<const char *, 14> kOutOfRange{"32768",
                                                   "-32769",
                                                   "65535",
                                                   "65536",
                                                   "-65536",
                                                   "99999",
                                                   "2147483648",
                                                   "-2147483649",
                                                   "4294967296",
                                                   "18446744073709551616",
                                                   "1000000000000000000000000000000",
                                                   "000000000000000032767",
                                                   "-000000000000000032768",
                                                   "-0"};
// Texts that are no whole number: signs alone, fractions, exponents, other notations, the
// full-width one and the minus sign of code page 932, a quoted number.
constexpr std::array<const char *, 16> kNotANumber{
    "",   "-",   "+1",  "1.5", "1e3",   "0x10", "\x82\x50", "\x81\x7c\x31",
    "1-", "--1", "- 1", "1a",  "\"1\"", "NaN",  "1.",       ".5"};
// What may end a field instead of the layout's line end or separator.
constexpr std::array<const char *, 14> kOtherEnds{"\n", "\r", "\n\r", "\r\r\n", "\r\n\r\n", "",      " ",
                                                  ",",  ",,", " ,",   "\t",     "\x1a",     "\r\n,", ", "};

// Takes the fields of records from the input; a field past the end leaves the record unread.
class InputBytes {
public:
    explicit InputBytes(QByteArrayView bytes) : bytes_(bytes) { }

    bool atEnd() const { return at_ >= bytes_.size(); }

    bool byte(uint8_t &v)
    {
        if (atEnd())
            return false;
        v = uint8_t(bytes_[at_++]);
        return true;
    }

    bool uint16(uint16_t &v)
    {
        uint8_t low = 0, high = 0;
        if (!byte(low) || !byte(high))
            return false;
        v = uint16_t(low | high << 8);
        return true;
    }

    bool int16(int16_t &v)
    {
        uint16_t u = 0;
        if (!uint16(u))
            return false;
        v = int16_t(u);
        return true;
    }

    bool bytes(qsizetype n, QByteArray &v)
    {
        if (bytes_.size() - at_ < n)
            return false;
        v = bytes_.sliced(at_, n).toByteArray();
        at_ += n;
        return true;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

// Appends the fields of records in the same form.
class OutputBytes {
public:
    QByteArray bytes;

    OutputBytes &byte(uint8_t v)
    {
        bytes.append(char(v));
        return *this;
    }
    OutputBytes &uint16(uint16_t v) { return byte(uint8_t(v)).byte(uint8_t(v >> 8)); }
    OutputBytes &int16(int16_t v) { return uint16(uint16_t(v)); }
};

struct NewDocumentPages {
    std::array<PageSettings, kPageCount> pages;
    std::array<QByteArray, kPageCount> names;
};

const NewDocumentPages &newDocumentPages()
{
    static const NewDocumentPages pages = [] {
        const auto doc = std::make_unique<Document>();
        EditorState state;
        startDocument(*doc, state);
        NewDocumentPages p;
        for (int page = 0; page < kPageCount; ++page) {
            PageSettings &s = p.pages[page];
            s.colourMode = doc->pages[page].colourMode;
            s.patternWidth = doc->pages[page].patternWidth;
            s.patternHeight = doc->pages[page].patternHeight;
            s.patternCount = doc->pages[page].patternCount;
            s.outputFlag = doc->pages[page].outputFlag;
            s.pal4 = doc->pages[page].pal4;
            s.pal8 = doc->pages[page].pal8;
            std::copy_n(doc->pages[page].pal16.begin(), s.pal16.size(), s.pal16.begin());
            p.names[page] = encodeCp932(doc->pages[page].name);
        }
        return p;
    }();
    return pages;
}

int16_t &paletteEntry(PageSettings &s, int entry)
{
    if (entry < 4)
        return s.pal4[entry];
    if (entry < 12)
        return s.pal8[entry - 4];
    return s.pal16[entry - 12];
}

bool readSettings(InputBytes &in, ProjectDescription &d)
{
    uint8_t page = 0, length = 0;
    PageSettings s;
    QByteArray name;
    if (!in.byte(page) || !in.int16(s.colourMode) || !in.int16(s.patternWidth) || !in.int16(s.patternHeight)
        || !in.int16(s.patternCount) || !in.int16(s.outputFlag) || !in.byte(length)
        || !in.bytes(length, name))
        return false;
    PageSettings &to = d.content.pages[page % kPageCount];
    s.pal4 = to.pal4;
    s.pal8 = to.pal8;
    s.pal16 = to.pal16;
    to = s;
    d.names[page % kPageCount] = name;
    return true;
}

bool readPaletteEntry(InputBytes &in, ProjectDescription &d)
{
    uint8_t page = 0, entry = 0;
    int16_t value = 0;
    if (!in.byte(page) || !in.byte(entry) || !in.int16(value))
        return false;
    paletteEntry(d.content.pages[page % kPageCount], entry % kPaletteEntries) = value;
    return true;
}

bool readCells(InputBytes &in, ProjectDescription &d)
{
    uint8_t where = 0, stepByte = 0;
    uint16_t first = 0, count = 0;
    int16_t value = 0;
    if (!in.byte(where) || !in.uint16(first) || !in.uint16(count) || !in.int16(value) || !in.byte(stepByte))
        return false;
    std::vector<int16_t> &cells = where & 0x80 ? d.content.map : d.content.pixels;
    const int64_t start = (where % kPageCount) * kPageCells + first % kPageCells;
    const int step = int8_t(stepByte);
    const int64_t end = std::min<int64_t>(start + count, kPlaneCells);
    for (int64_t i = start; i < end; ++i)
        cells[std::size_t(i)] = int16_t(value + step * int(i - start));
    return true;
}

int64_t damagedField(int area, int page, int index)
{
    switch (area) {
    case FormatArea:
        return 0;
    case PixelArea:
        return kFirstPixelField + page * kPageCells + index % kPageCells;
    case SettingsArea:
        return kFirstSettingsField + page * kSettingsFields + index % kSettingsFields;
    case MapArea:
        return kFirstMapField + page * kPageCells + index % kPageCells;
    }
    return kFinalLineField;
}

bool readDamage(InputBytes &in, ProjectDescription &d)
{
    uint8_t area = 0, page = 0, action = 0, argument = 0;
    uint16_t index = 0;
    if (!in.byte(area) || !in.byte(page) || !in.uint16(index) || !in.byte(action) || !in.byte(argument))
        return false;
    d.damages.push_back({damagedField(area % kDamageAreas, page % kPageCount, index),
                         DamageAction(action % kDamageActions), argument});
    return true;
}

// ---------------------------------------------------------------------------------------------
// Bytes of a description

uint8_t layoutByte(const ProjectDescription &d)
{
    const auto lineEnd = std::find(kLineEnds.begin(), kLineEnds.end(), d.lineEnd) - kLineEnds.begin();
    const auto form = std::find(kForms.begin(), kForms.end(), d.form) - kForms.begin();
    return uint8_t(lineEnd | form << 2 | (d.mapBlock != (d.content.FileVer == 1) ? kMapTheOtherWay : 0)
                   | (d.finalLine ? 0 : kNoFinalLine));
}

// A format number outside kFormatNumbers becomes 0.
uint8_t formatByte(int16_t fileVer)
{
    const auto at = std::find(kFormatNumbers.begin(), kFormatNumbers.end(), fileVer);
    return at == kFormatNumbers.end() ? 0 : uint8_t(at - kFormatNumbers.begin());
}

QByteArray damageRecord(const FieldDamage &damage)
{
    OutputBytes out;
    out.byte(DamageRecord);
    const int64_t f = damage.field;
    if (f == 0) {
        out.byte(FormatArea).byte(0).uint16(0);
    } else if (f < kFirstSettingsField) {
        out.byte(PixelArea).byte(uint8_t((f - kFirstPixelField) / kPageCells));
        out.uint16(uint16_t((f - kFirstPixelField) % kPageCells));
    } else if (f < kFirstMapField) {
        out.byte(SettingsArea).byte(uint8_t((f - kFirstSettingsField) / kSettingsFields));
        out.uint16(uint16_t((f - kFirstSettingsField) % kSettingsFields));
    } else if (f < kFinalLineField) {
        out.byte(MapArea).byte(uint8_t((f - kFirstMapField) / kPageCells));
        out.uint16(uint16_t((f - kFirstMapField) % kPageCells));
    } else {
        out.byte(FinalLineArea).byte(0).uint16(0);
    }
    out.byte(uint8_t(damage.action)).byte(damage.argument);
    return out.bytes;
}

QByteArray settingsRecord(int page, const PageSettings &s, const QByteArray &name)
{
    OutputBytes out;
    out.byte(SettingsRecord)
        .byte(uint8_t(page))
        .int16(s.colourMode)
        .int16(s.patternWidth)
        .int16(s.patternHeight);
    out.int16(s.patternCount).int16(s.outputFlag).byte(uint8_t(name.size()));
    out.bytes.append(name);
    return out.bytes;
}

// The settings records and palette entries of the pages unlike a new document's.
std::vector<QByteArray> pageRecords(const ProjectDescription &d)
{
    std::vector<QByteArray> records;
    const NewDocumentPages &fresh = newDocumentPages();
    for (int page = 0; page < kPageCount; ++page) {
        PageSettings s = d.content.pages[page];
        PageSettings was = fresh.pages[page];
        if (d.names[page] != fresh.names[page] || s.colourMode != was.colourMode
            || s.patternWidth != was.patternWidth || s.patternHeight != was.patternHeight
            || s.patternCount != was.patternCount || s.outputFlag != was.outputFlag)
            records.push_back(settingsRecord(page, s, d.names[page].left(255)));
        for (int entry = 0; entry < kPaletteEntries; ++entry) {
            const int16_t value = paletteEntry(s, entry);
            if (value == paletteEntry(was, entry))
                continue;
            OutputBytes out;
            out.byte(PaletteRecord).byte(uint8_t(page)).byte(uint8_t(entry)).int16(value);
            records.push_back(out.bytes);
        }
    }
    return records;
}

// Runs of cells that step by the same amount, zeros left out.
void appendCellRecords(std::vector<QByteArray> &records, const std::vector<int16_t> &cells, bool map)
{
    const int64_t n = int64_t(cells.size());
    for (int64_t i = 0; i < n;) {
        if (cells[i] == 0) {
            ++i;
            continue;
        }
        const int difference = i + 1 < n ? cells[i + 1] - cells[i] : 0;
        const int step = difference >= -128 && difference <= 127 ? difference : 0;
        int64_t end = i + 1;
        while (end < n && end - i < 0xFFFF && cells[end] == int16_t(cells[i] + step * int(end - i)))
            ++end;
        OutputBytes out;
        out.byte(CellsRecord)
            .byte(uint8_t(i / kPageCells | (map ? 0x80 : 0)))
            .uint16(uint16_t(i % kPageCells));
        out.uint16(uint16_t(end - i)).int16(cells[i]).byte(uint8_t(int8_t(step)));
        records.push_back(out.bytes);
        i = end;
    }
}

// ---------------------------------------------------------------------------------------------
// The text

// " 7 " and "-1 " in the writer's form, else "7" and "-1".
int putNumber(char *p, int value, NumberForm form)
{
    char *start = p;
    if (value < 0)
        *p++ = '-';
    else if (form == NumberForm::Writer)
        *p++ = ' ';
    unsigned v = unsigned(value < 0 ? -value : value);
    char digits[8];
    int n = 0;
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    while (n)
        *p++ = digits[--n];
    if (form == NumberForm::Writer)
        *p++ = ' ';
    return int(p - start);
}

QByteArrayView lineEndText(LineEnd lineEnd)
{
    switch (lineEnd) {
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::CrLf:
        break;
    }
    return "\r\n";
}

// What comes between two cells of a row.
QByteArrayView separatorText(NumberForm form)
{
    switch (form) {
    case NumberForm::Comma:
        return ",";
    case NumberForm::Blank:
        return " ";
    case NumberForm::Writer:
        break;
    }
    return "";
}

class TextBuilder {
public:
    TextBuilder(const ProjectDescription &d, QByteArray &out)
        : d_(d), out_(out), lineEnd_(lineEndText(d.lineEnd)), separator_(separatorText(d.form)),
          nextDamage_(d.damages.begin())
    {
    }

    int build()
    {
        const int64_t rowBytes = kSheetWidth * 3 + 2;
        out_.resize(0);
        out_.reserve(qsizetype((d_.mapBlock ? 2 : 1) * kPlaneCells / kSheetWidth * rowBytes) + 64 * 1024);
        number(d_.content.FileVer, lineEnd_);
        sheets(d_.content.pixels, kFirstPixelField);
        settings();
        if (d_.mapBlock)
            sheets(d_.content.map, kFirstMapField);
        startAt(kFinalLineField);
        field(QByteArrayView(), d_.finalLine ? lineEnd_ : QByteArrayView());
        return applied_;
    }

private:
    // Skips the damages of fields the text leaves out (the map block's when it has none).
    void startAt(int64_t field)
    {
        field_ = field;
        while (nextDamage_ != d_.damages.end() && nextDamage_->field < field)
            ++nextDamage_;
    }

    int64_t nextDamagedField() const
    {
        return nextDamage_ == d_.damages.end() ? kFinalLineField + 1 : nextDamage_->field;
    }

    void number(int16_t value, QByteArrayView end)
    {
        char text[8];
        field(QByteArrayView(text, putNumber(text, value, d_.form)), end);
    }

    void field(QByteArrayView text, QByteArrayView end)
    {
        if (cut_)
            return;
        if (field_ != nextDamagedField()) {
            out_.append(text).append(end);
        } else {
            damagedField(text, end);
        }
        ++field_;
    }

    void damagedField(QByteArrayView text, QByteArrayView end)
    {
        QByteArray body = text.toByteArray();
        QByteArray before, after, ending = end.toByteArray();
        bool dropped = false, repeated = false;
        int cutAt = -1;
        for (; nextDamage_ != d_.damages.end() && nextDamage_->field == field_; ++nextDamage_) {
            ++applied_;
            const uint8_t arg = nextDamage_->argument;
            switch (nextDamage_->action) {
            case DamageAction::OutOfRange:
                body = inForm(kOutOfRange[arg % kOutOfRange.size()]);
                break;
            case DamageAction::NotANumber:
                body = kNotANumber[arg % kNotANumber.size()];
                break;
            case DamageAction::ByteBefore:
                before.append(char(arg));
                break;
            case DamageAction::ByteAfter:
                after.append(char(arg));
                break;
            case DamageAction::OtherEnd:
                ending = kOtherEnds[arg % kOtherEnds.size()];
                break;
            case DamageAction::Cut:
                cutAt = arg;
                break;
            case DamageAction::Dropped:
                dropped = true;
                break;
            case DamageAction::Repeated:
                repeated = true;
                break;
            }
        }
        QByteArray piece = dropped ? QByteArray() : before + body + after + ending;
        if (repeated)
            piece += piece;
        if (cutAt >= 0) {
            piece.truncate(cutAt % (piece.size() + 1));
            cut_ = true;
        }
        out_.append(piece);
    }

    QByteArray inForm(const char *number) const
    {
        if (d_.form != NumberForm::Writer)
            return number;
        return (number[0] == '-' ? QByteArray() : QByteArray(" ")) + number + ' ';
    }

    void sheets(const std::vector<int16_t> &cells, int64_t firstField)
    {
        startAt(firstField);
        static const int16_t zeros[kSheetWidth] = {};
        QByteArray zeroRow;
        for (int x = 0; x < kSheetWidth; ++x) {
            char text[8];
            zeroRow.append(text, putNumber(text, 0, d_.form))
                .append(x + 1 < kSheetWidth ? separator_ : lineEnd_);
        }
        const int16_t *row = cells.data();
        for (int64_t rowField = firstField; rowField < firstField + kPlaneCells && !cut_;
             rowField += kSheetWidth, row += kSheetWidth) {
            if (nextDamagedField() >= rowField + kSheetWidth && std::memcmp(row, zeros, sizeof zeros) == 0) {
                out_.append(zeroRow);
                field_ += kSheetWidth;
                continue;
            }
            for (int x = 0; x < kSheetWidth; ++x)
                number(row[x], x + 1 < kSheetWidth ? separator_ : lineEnd_);
        }
    }

    void settings()
    {
        startAt(kFirstSettingsField);
        for (int page = 0; page < kPageCount; ++page) {
            const PageSettings &s = d_.content.pages[page];
            number(s.colourMode, lineEnd_);
            field(d_.names[page], lineEnd_);
            for (int16_t v : {s.patternWidth, s.patternHeight, s.patternCount, s.outputFlag})
                number(v, lineEnd_);
            for (int16_t v : s.pal4)
                number(v, lineEnd_);
            for (int16_t v : s.pal8)
                number(v, lineEnd_);
            for (int16_t v : s.pal16)
                number(v, lineEnd_);
        }
    }

    const ProjectDescription &d_;
    QByteArray &out_;
    const QByteArrayView lineEnd_;
    const QByteArrayView separator_;
    int64_t field_ = 0;
    std::vector<FieldDamage>::const_iterator nextDamage_;
    bool cut_ = false;
    int applied_ = 0;
};

// A name the reader takes as it is: one text field, no leading blank, valid code page 932.
std::optional<QString> soundName(const QByteArray &bytes)
{
    if (bytes.startsWith(' '))
        return std::nullopt;
    for (char c : bytes) {
        if (c == ',' || (uchar(c) < 0x20 && c != '\t') || c == 0x7F)
            return std::nullopt;
    }
    bool ok = false;
    QString name = decodeCp932(bytes, &ok);
    if (!ok)
        return std::nullopt;
    return name;
}

} // namespace

void readDescription(QByteArrayView input, ProjectDescription &d)
{
    InputBytes in(input);
    uint8_t layout = 0, format = 0;
    in.byte(layout);
    in.byte(format);
    d.lineEnd = kLineEnds[layout & 3];
    d.form = kForms[layout >> 2 & 3];
    d.content.FileVer = kFormatNumbers[format % kFormatNumbers.size()];
    d.mapBlock = (d.content.FileVer == 1) != bool(layout & kMapTheOtherWay);
    d.finalLine = !(layout & kNoFinalLine);
    for (std::vector<int16_t> *cells : {&d.content.pixels, &d.content.map}) {
        cells->resize(kPlaneCells);
        std::memset(cells->data(), 0, cells->size() * sizeof(int16_t));
    }
    d.content.pages = newDocumentPages().pages;
    d.names = newDocumentPages().names;
    d.damages.clear();

    for (uint8_t kind = 0; in.byte(kind);) {
        bool whole = false;
        switch (kind % kRecordKinds) {
        case SettingsRecord:
            whole = readSettings(in, d);
            break;
        case PaletteRecord:
            whole = readPaletteEntry(in, d);
            break;
        case CellsRecord:
            whole = readCells(in, d);
            break;
        case DamageRecord:
            whole = readDamage(in, d);
            break;
        }
        if (!whole)
            break;
    }
    std::stable_sort(d.damages.begin(), d.damages.end(),
                     [](const FieldDamage &a, const FieldDamage &b) { return a.field < b.field; });
}

QByteArray descriptionBytes(const ProjectDescription &d, qsizetype limit)
{
    std::vector<QByteArray> records;
    for (const FieldDamage &damage : d.damages)
        records.push_back(damageRecord(damage));
    for (QByteArray &record : pageRecords(d))
        records.push_back(std::move(record));
    appendCellRecords(records, d.content.pixels, false);
    appendCellRecords(records, d.content.map, true);

    QByteArray bytes;
    bytes.append(char(layoutByte(d))).append(char(formatByte(d.content.FileVer)));
    for (const QByteArray &record : records) {
        if (bytes.size() + record.size() > limit)
            break;
        bytes.append(record);
    }
    return bytes;
}

ProjectDescription describedContent(const ProjectContent &content)
{
    ProjectDescription d;
    d.content = content;
    d.mapBlock = content.FileVer == 1;
    d.content.pixels.resize(kPlaneCells);
    d.content.map.resize(kPlaneCells);
    for (int page = 0; page < kPageCount; ++page) {
        d.names[page] = encodeCp932(content.pages[page].name);
        d.content.pages[page].name.clear();
    }
    return d;
}

int writeProjectText(const ProjectDescription &description, QByteArray &text)
{
    return TextBuilder(description, text).build();
}

bool soundContent(const ProjectDescription &d, ProjectContent &content)
{
    if (d.content.FileVer == 1 && !d.mapBlock)
        return false;
    content = d.content;
    if (content.FileVer != 1)
        content.map.clear();
    for (int page = 0; page < kPageCount; ++page) {
        const std::optional<QString> name = soundName(d.names[page]);
        if (!name)
            return false;
        content.pages[page].name = *name;
    }
    return true;
}

} // namespace vesk4
