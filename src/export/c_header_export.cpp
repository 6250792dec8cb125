#include "export/c_header_export.h"

#include "export/include_items.h"
#include "export/include_where.h"
#include "files/whole_file.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <set>

namespace vesk4 {

namespace {

// Above this the header would take more than the include file's own limit.
constexpr int64_t kMaxDataBytes = int64_t(40) << 20;

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Names of C99 and C++17 that no array may take, and the ones the header uses itself.
const char *const kReservedNames[]
    = {"alignas",      "alignof",  "and",      "and_eq",     "asm",       "auto",         "bitand",
       "bitor",        "bool",     "break",    "case",       "catch",     "char",         "char16_t",
       "char32_t",     "class",    "compl",    "const",      "constexpr", "const_cast",   "continue",
       "decltype",     "default",  "delete",   "do",         "double",    "dynamic_cast", "else",
       "enum",         "explicit", "export",   "extern",     "false",     "float",        "for",
       "friend",       "goto",     "if",       "inline",     "int",       "long",         "mutable",
       "namespace",    "new",      "noexcept", "not",        "not_eq",    "nullptr",      "operator",
       "or",           "or_eq",    "private",  "protected",  "public",    "register",     "reinterpret_cast",
       "restrict",     "return",   "short",    "signed",     "sizeof",    "static",       "static_assert",
       "static_cast",  "struct",   "switch",   "template",   "this",      "thread_local", "throw",
       "true",         "try",      "typedef",  "typeid",     "typename",  "union",        "unsigned",
       "using",        "virtual",  "void",     "volatile",   "wchar_t",   "while",        "xor",
       "xor_eq",       "_Bool",    "_Complex", "_Imaginary", "uint8_t",   "uint16_t",     "chr_palette16",
       "chr_palette4", "chr_map"};

const char *const kPageMacros[] = {"_WIDTH", "_HEIGHT", "_PATTERNS", "_PATTERN_BYTES"};

bool isIdentifierCharacter(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

QByteArray identifierOf(const QString &name)
{
    QByteArray id;
    for (const char32_t c : name.toUcs4())
        id.append(isIdentifierCharacter(c) ? char(c) : '_');
    if (id.isEmpty() || (id[0] >= '0' && id[0] <= '9'))
        id.prepend("chr_");
    return id;
}

QByteArray guardOf(const QString &fileName)
{
    return "VESK4_" + identifierOf(fileName).toUpper();
}

// "0xAB, " for every byte, so a line is copied together rather than formatted item by item.
struct ByteTexts {
    std::array<std::array<char, 6>, 256> text{};
    ByteTexts()
    {
        for (int b = 0; b < 256; ++b)
            text[b] = {'0', 'x', kHexDigits[b >> 4], kHexDigits[b & 0xF], ',', ' '};
    }
};

const ByteTexts &byteTexts()
{
    static const ByteTexts texts;
    return texts;
}

void appendByte(QByteArray &out, int value)
{
    out.append(byteTexts().text[value].data(), 6);
}

// Ends a line of items: the blank after the last comma goes.
void endItems(QByteArray &out)
{
    out.back() = '\n';
}

QString pageText(const Document &doc, int page)
{
    return QCoreApplication::translate("CHeaderExport", "page %1 \"%2\"")
        .arg(QString::number(page), doc.pages[page].name);
}

// Writes the data lines of a block into the array, one C line a data line; remembers the first
// item that is no byte.
class ArrayRows {
public:
    ArrayRows(QByteArray &out, bool maskBytes) : out_(out), maskBytes_(maskBytes) { }

    void pattern(int64_t n)
    {
        pattern_ = n;
        out_.append("    /* PTN ").append(QByteArray::number(n)).append(" */\n");
    }
    void row() { out_.append("    ", 4); }
    void item(const PackedItem &item, bool)
    {
        if (maskBytes_)
            appendByte(out_, item.mask);
        if (item.value < 0 || item.value > 0xFF) {
            if (!hasBadValue) {
                hasBadValue = true;
                badValue = item.value;
                badPattern = pattern_;
            }
            appendByte(out_, 0);
            return;
        }
        appendByte(out_, int(item.value));
    }
    void rowEnd() { endItems(out_); }

    bool hasBadValue = false;
    int64_t badValue = 0;
    int64_t badPattern = 0;

private:
    QByteArray &out_;
    bool maskBytes_;
    int64_t pattern_ = 0;
};

Status appendPage(QByteArray &out, const Document &doc, int page, const QByteArray &id)
{
    const Page &p = doc.pages[page];
    const std::optional<IncludeLayout> layout = includeLayout(p.colourMode, p.patternWidth, p.patternHeight);
    if (!layout) {
        return Failure{
            QCoreApplication::translate("CHeaderExport",
                                        "Cannot write the C header: the patterns of %1 cannot be laid out.")
                .arg(pageText(doc, page))};
    }
    for (const int16_t size : {p.patternWidth, p.patternHeight}) {
        if (size < 0 || size > 0xFF) {
            return Failure{QCoreApplication::translate(
                               "CHeaderExport",
                               "Cannot write the C header: the pattern size %1 x %2 of %3 does not "
                               "fit the size bytes of its block.")
                               .arg(QString::number(p.patternWidth), QString::number(p.patternHeight),
                                    pageText(doc, page))};
        }
    }
    const int64_t patterns = std::max<int64_t>(p.patternCount, 0);
    out.append("\n/* page ").append(QByteArray::number(page)).append(" */\n");
    const QByteArray values[] = {QByteArray::number(p.patternWidth), QByteArray::number(p.patternHeight),
                                 QByteArray::number(patterns), QByteArray::number(layout->bytesPerPattern())};
    for (int m = 0; m < 4; ++m)
        out.append("#define ").append(id).append(kPageMacros[m]).append(' ').append(values[m]).append('\n');
    out.append("static const uint8_t ").append(id).append("[] = {\n    ");
    out.append(values[0]).append(", ").append(values[1]).append(", /* pattern width, height */\n");
    ArrayRows rows(out, layout->maskBytes);
    visitPatternItems(doc, page, *layout, patterns, p.pal4, rows);
    out.append("};\n");
    if (rows.hasBadValue) {
        return Failure{
            QCoreApplication::translate(
                "CHeaderExport",
                "Cannot write the C header: pattern %1 of %2 holds the value %3, which "
                "is no byte (0-255).")
                .arg(QString::number(rows.badPattern), pageText(doc, page), QString::number(rows.badValue))};
    }
    return {};
}

// Page 0's palette, by its mode alone, as the include file writes it.
Status appendPalette(QByteArray &out, const Document &doc)
{
    if (doc.pages[0].colourMode == kMode16) {
        out.append("\n/* the palette of page 0 */\nstatic const uint16_t chr_palette16[16] = {\n    ");
        for (int k = 0; k < 16; ++k) {
            const int word = palette16Word(doc, k);
            const char text[] = {'0',
                                 'x',
                                 '0',
                                 kHexDigits[word >> 8 & 0xF],
                                 kHexDigits[word >> 4 & 0xF],
                                 kHexDigits[word & 0xF],
                                 ',',
                                 ' '};
            out.append(text, sizeof text);
            if (k == 7) {
                endItems(out);
                out.append("    ");
            }
        }
        endItems(out);
        out.append("};\n");
    } else if (doc.pages[0].colourMode == kMode4) {
        out.append("\n/* the palette of page 0 */\nstatic const uint8_t chr_palette4[4] = {\n    ");
        for (int k = 0; k < 4; ++k) {
            const int value = doc.pages[0].pal4[k];
            if (value < 0 || value > 0xFF) {
                return Failure{QCoreApplication::translate(
                                   "CHeaderExport",
                                   "Cannot write the C header: entry %1 of the \"4色\" palette of "
                                   "page 0 holds %2, which is no byte (0-255).")
                                   .arg(QString::number(k), QString::number(value))};
            }
            appendByte(out, value);
        }
        endItems(out);
        out.append("};\n");
    }
    return {};
}

} // namespace

std::vector<std::pair<int, QByteArray>> cPageIdentifiers(const Document &doc, const QString &fileName)
{
    std::set<QByteArray> taken(std::begin(kReservedNames), std::end(kReservedNames));
    taken.insert(guardOf(fileName));
    const auto free = [&taken](const QByteArray &id) {
        if (taken.count(id) != 0)
            return false;
        for (const char *macro : kPageMacros)
            if (taken.count(id + macro) != 0)
                return false;
        return true;
    };
    std::vector<std::pair<int, QByteArray>> ids;
    for (int page = 0; page <= kLastCharacterPage; ++page) {
        if (doc.pages[page].outputFlag != 1)
            continue;
        QByteArray id = identifierOf(doc.pages[page].name);
        while (!free(id))
            id.append('_').append(QByteArray::number(page));
        taken.insert(id);
        for (const char *macro : kPageMacros)
            taken.insert(id + macro);
        ids.emplace_back(page, id);
    }
    return ids;
}

Expected<QByteArray> cHeaderBytes(const Document &doc, const QString &fileName)
{
    const Expected<IncludeSizes> sizes = includeSizes(doc);
    if (!sizes)
        return Failure{QCoreApplication::translate("CHeaderExport", "Cannot write the C header: %1")
                           .arg(sizes.failure().message)};
    if (sizes.value().total > kMaxDataBytes) {
        return Failure{
            QCoreApplication::translate(
                "CHeaderExport", "Cannot write the C header: its %1 bytes of data are more than %2 MiB.")
                .arg(QString::number(sizes.value().total), QString::number(kMaxDataBytes >> 20))};
    }
    const QByteArray guard = guardOf(fileName);
    QByteArray out;
    const int64_t reserve = sizes.value().total * 6 + 4096;
    out.reserve(qsizetype(reserve));
    out.append("/* VESK4 graphics data: the bytes of the include file's blocks as C arrays. */\n");
    out.append("#ifndef ")
        .append(guard)
        .append("\n#define ")
        .append(guard)
        .append("\n\n#include <stdint.h>\n");
    if (Status written = appendPalette(out, doc); !written)
        return written.failure();
    for (const auto &[page, id] : cPageIdentifiers(doc, fileName))
        if (Status written = appendPage(out, doc, page, id); !written)
            return written.failure();
    if (doc.FileVer == 1) {
        out.append("\n/* the map: 32 rows of 16 chip numbers */\nstatic const uint8_t chr_map[512] = {\n");
        for (int y = 0; y < 32; ++y) {
            out.append("    ");
            for (int x = 0; x < 16; ++x) {
                const int value = doc.MapData(0, x, y);
                if (value < 0 || value > 0xFF) {
                    return Failure{QCoreApplication::translate(
                                       "CHeaderExport",
                                       "Cannot write the C header: map cell %1,%2 holds %3, which "
                                       "is no byte (0-255).")
                                       .arg(QString::number(x), QString::number(y), QString::number(value))};
                }
                appendByte(out, value);
            }
            endItems(out);
        }
        out.append("};\n");
    }
    out.append("\n#endif /* ").append(guard).append(" */\n");
    return out;
}

Status exportCHeader(const Document &doc, const QString &path)
{
    const Expected<QByteArray> bytes = cHeaderBytes(doc, QFileInfo(path).fileName());
    if (!bytes)
        return bytes.status();
    return writeWholeFile(path, bytes.value());
}

} // namespace vesk4
