#include "files/project_file.h"

#include "document/page_state.h"
#include "document/palette_rows.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"
#include "palette/colour_model.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstring>

namespace vesk4 {

namespace {

// ProjectContent keeps the sheets in the store's order, so a load moves them in whole.
constexpr std::size_t kAllSheetCells = PagedCellStore::kSheetCellCount;

// ---------------------------------------------------------------------------------------------
// Writing

// " 7 ", " 224 ", "-1 ": the sign position, the digits, one trailing blank.
inline char *putNumber(char *p, int value)
{
    unsigned v;
    if (value < 0) {
        *p++ = '-';
        v = unsigned(-value);
    } else {
        *p++ = ' ';
        v = unsigned(value);
    }
    if (v < 10) {
        *p++ = char('0' + v);
    } else {
        char digits[10];
        int n = 0;
        do {
            digits[n++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        while (n)
            *p++ = digits[--n];
    }
    *p++ = ' ';
    return p;
}

void appendNumberLine(QByteArray &out, int value)
{
    char line[16];
    char *end = putNumber(line, value);
    *end++ = '\r';
    *end++ = '\n';
    out.append(line, end - line);
}

constexpr int kSheetRowBytes = kSheetWidth * 7 + 2; // "-32768 " is the longest number

// One line per sheet row, page by page.
void appendSheets(QByteArray &out, const PagedCellStore &store)
{
    char line[kSheetRowBytes];
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            const int16_t *cell = store.sheetRow(page, y);
            char *p = line;
            for (int x = 0; x < kSheetWidth; ++x)
                p = putNumber(p, cell[x]);
            *p++ = '\r';
            *p++ = '\n';
            out.append(line, p - line);
        }
    }
}

// Why a page name cannot be stored so that it reads back as it is, or an empty text.
QString nameProblem(const QString &name)
{
    if (name.startsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("ProjectFile", "it begins with a blank");
    for (QChar c : name) {
        if (c == QLatin1Char(','))
            return QCoreApplication::translate("ProjectFile", "it holds a comma");
        if (c == QLatin1Char('"'))
            return QCoreApplication::translate("ProjectFile", "it holds a double quote");
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
            return QCoreApplication::translate("ProjectFile", "it holds a control character");
    }
    return QString();
}

// ---------------------------------------------------------------------------------------------
// Reading

// Walks the fields of the file in the manner of sequential field input: a number takes the blanks
// after it and then one comma or line end; a text field runs to the next comma or line end.
class FieldReader {
public:
    FieldReader(const char *begin, const char *end) : begin_(begin), p_(begin), end_(end) { }

    bool number(int16_t &value)
    {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\r' || *p_ == '\n')) {
            if (*p_ == ' ')
                ++p_;
            else
                lineEnd();
        }
        if (p_ == end_)
            return endOfFile();

        fieldLine_ = line_;
        // The cells are a megabyte of numbers: the scan runs on locals, which stay in registers
        // where the members would be reloaded after every store an instrumented build adds.
        const char *p = p_;
        const char *const end = end_;
        const char *start = p;
        const bool negative = *p == '-';
        if (negative)
            ++p;
        const char *digits = p;
        int magnitude = 0;
        while (p != end && *p >= '0' && *p <= '9') {
            if (magnitude <= 32768) // past the range anyway; stop growing
                magnitude = magnitude * 10 + (*p - '0');
            ++p;
        }
        if (p == digits || (p != end && !endsNumber(*p))) {
            while (p != end && !endsNumber(*p))
                ++p;
            p_ = p;
            return badToken(start, p);
        }
        const int v = negative ? -magnitude : magnitude;
        if (v < -32768 || v > 32767) {
            p_ = p;
            error_ = Error::OutOfRange;
            found_ = QByteArray(start, p - start);
            return false;
        }
        value = int16_t(v);

        while (p != end && *p == ' ')
            ++p;
        p_ = p;
        if (p != end) {
            if (*p == ',')
                ++p_;
            else if (*p == '\r' || *p == '\n')
                lineEnd();
        }
        return true;
    }

    bool text(QString &value)
    {
        if (p_ == end_)
            return endOfFile();
        while (p_ != end_ && *p_ == ' ')
            ++p_;
        fieldLine_ = line_;
        const char *start = p_;
        while (p_ != end_ && *p_ != ',' && *p_ != '\r' && *p_ != '\n')
            ++p_;
        const QByteArrayView bytes(start, p_ - start);
        if (p_ != end_) {
            if (*p_ == ',')
                ++p_;
            else
                lineEnd();
        }
        for (char c : bytes) {
            if (isBinary(c)) {
                error_ = Error::Binary;
                found_ = QByteArray(1, c);
                return false;
            }
        }
        bool ok = false;
        value = decodeCp932(bytes, &ok);
        if (!ok) {
            error_ = Error::Encoding;
            found_ = bytes.toByteArray();
            return false;
        }
        return true;
    }

    // The failure of the last field read, which the caller names.
    Failure failure(const QString &field) const
    {
        switch (error_) {
        case Error::EndOfFile:
            return {QCoreApplication::translate("ProjectFile", "The file ends before %1.").arg(field),
                    fieldLine_};
        case Error::NotANumber:
            return {
                QCoreApplication::translate("ProjectFile", "Expected a whole number for %1, found \"%2\".")
                    .arg(field, shown(found_)),
                fieldLine_};
        case Error::OutOfRange:
            return {QCoreApplication::translate("ProjectFile", "%1 is %2, outside the range -32768 to 32767.")
                        .arg(capitalised(field), shown(found_)),
                    fieldLine_};
        case Error::Binary:
            return {QCoreApplication::translate(
                        "ProjectFile", "The file holds binary data (byte 0x%1) in %2; it is no project file.")
                        .arg(uint(uchar(found_.at(0))), 2, 16, QLatin1Char('0'))
                        .arg(field),
                    fieldLine_};
        case Error::Encoding:
            return {
                QCoreApplication::translate("ProjectFile", "%1 is no valid Shift-JIS (code page 932) text.")
                    .arg(capitalised(field)),
                fieldLine_};
        }
        return {field, fieldLine_};
    }

private:
    enum class Error { EndOfFile, NotANumber, OutOfRange, Binary, Encoding };

    static bool endsNumber(char c) { return c == ' ' || c == ',' || c == '\r' || c == '\n'; }
    static bool isBinary(char c) { return (uchar(c) < 0x20 && c != '\t') || c == 0x7F; }

    // CR LF, a bare LF or a bare CR ends a line; so do CRs before an LF, as a CR LF file converted
    // twice has them.
    void lineEnd()
    {
        const char *crs = p_;
        while (crs != end_ && *crs == '\r')
            ++crs;
        if (*p_ == '\r' && crs != end_ && *crs == '\n')
            p_ = crs;
        ++p_;
        ++line_;
    }

    bool endOfFile()
    {
        error_ = Error::EndOfFile;
        // The last line of a file that ends with a line end is the one before that end.
        fieldLine_ = line_;
        if (fieldLine_ > 1 && p_ != begin_ && (p_[-1] == '\n' || p_[-1] == '\r'))
            --fieldLine_;
        return false;
    }

    bool badToken(const char *start, const char *end)
    {
        error_ = Error::NotANumber;
        for (const char *c = start; c != end; ++c) {
            if (isBinary(*c)) {
                error_ = Error::Binary;
                found_ = QByteArray(1, *c);
                return false;
            }
        }
        found_ = QByteArray(start, end - start);
        return false;
    }

    // At most a few dozen characters of what was found, readable whatever bytes it holds.
    static QString shown(const QByteArray &bytes)
    {
        constexpr int kShown = 24;
        QString s = QString::fromLatin1(bytes.left(kShown));
        for (QChar &c : s) {
            if (c.unicode() >= 0x80)
                c = QChar(0xFFFD);
        }
        if (bytes.size() > kShown)
            s += QStringLiteral("...");
        return s;
    }

    static QString capitalised(QString s)
    {
        if (!s.isEmpty())
            s[0] = s[0].toUpper();
        return s;
    }

    const char *begin_;
    const char *p_;
    const char *end_;
    int line_ = 1;
    int fieldLine_ = 1;
    Error error_ = Error::EndOfFile;
    QByteArray found_;
};

// The 32 sheets of one plane; cells indexed as in ProjectContent. cellWhere names a cell in messages:
// a translatable pattern of its x, y and page.
Status readSheets(FieldReader &reader, std::vector<int16_t> &cells, const char *cellWhere)
{
    cells.resize(kAllSheetCells);
    int16_t *cell = cells.data();
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x, ++cell) {
                if (!reader.number(*cell)) {
                    return reader.failure(
                        QCoreApplication::translate("ProjectFile", cellWhere).arg(x).arg(y).arg(page));
                }
            }
        }
    }
    return {};
}

Status readSettings(FieldReader &reader, int page, PageSettings &s)
{
    // Each field's name as a whole phrase, since languages place "of page" differently.
    const auto field
        = [page](const char *what) { return QCoreApplication::translate("ProjectFile", what).arg(page); };
    const auto entry = [page](const char *row, int i) {
        return QCoreApplication::translate("ProjectFile", row).arg(i).arg(page);
    };
    if (!reader.number(s.colourMode))
        return reader.failure(field(QT_TRANSLATE_NOOP("ProjectFile", "the colour mode of page %1")));
    if (!reader.text(s.name))
        return reader.failure(field(QT_TRANSLATE_NOOP("ProjectFile", "the name of page %1")));
    if (!reader.number(s.patternWidth))
        return reader.failure(field(QT_TRANSLATE_NOOP("ProjectFile", "the pattern width of page %1")));
    if (!reader.number(s.patternHeight))
        return reader.failure(field(QT_TRANSLATE_NOOP("ProjectFile", "the pattern height of page %1")));
    if (!reader.number(s.patternCount))
        return reader.failure(field(QT_TRANSLATE_NOOP("ProjectFile", "the pattern count of page %1")));
    if (!reader.number(s.outputFlag))
        return reader.failure(field(QT_TRANSLATE_NOOP("ProjectFile", "the output flag of page %1")));
    for (int i = 0; i < int(s.pal4.size()); ++i) {
        if (!reader.number(s.pal4[i]))
            return reader.failure(entry(QT_TRANSLATE_NOOP("ProjectFile", "Pal4 entry %1 of page %2"), i));
    }
    for (int i = 0; i < int(s.pal8.size()); ++i) {
        if (!reader.number(s.pal8[i]))
            return reader.failure(entry(QT_TRANSLATE_NOOP("ProjectFile", "Pal8 entry %1 of page %2"), i));
    }
    for (int i = 0; i < int(s.pal16.size()); ++i) {
        if (!reader.number(s.pal16[i]))
            return reader.failure(entry(QT_TRANSLATE_NOOP("ProjectFile", "Pal16 entry %1 of page %2"), i));
    }
    return {};
}

Expected<ProjectContent> parseProject(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF")) {
        return Failure{
            QCoreApplication::translate("ProjectFile",
                                        "The file begins with a UTF-8 byte order mark; a project file is "
                                        "Shift-JIS (code page 932) text without one."),
            1};
    }
    FieldReader reader(data.data(), data.data() + data.size());
    ProjectContent content;
    if (!reader.number(content.FileVer))
        return reader.failure(QCoreApplication::translate("ProjectFile", "the format number"));
    if (Status s = readSheets(reader, content.pixels,
                              QT_TRANSLATE_NOOP("ProjectFile", "the pixel cell at x %1, y %2 of page %3"));
        !s)
        return s.failure();
    for (int page = 0; page < kPageCount; ++page) {
        if (Status s = readSettings(reader, page, content.pages[page]); !s)
            return s.failure();
    }
    if (content.FileVer == 1) {
        if (Status s = readSheets(reader, content.map,
                                  QT_TRANSLATE_NOOP("ProjectFile", "the map cell at x %1, y %2 of page %3"));
            !s)
            return s.failure();
    }
    // Whatever follows the last field (the final empty line, or more) is not read.
    return content;
}

} // namespace

bool isStorablePageName(const QString &name)
{
    bool ok = false;
    encodeCp932(name, &ok);
    return ok && nameProblem(name).isEmpty();
}

Status writeProject(const Document &doc, QIODevice &out)
{
    std::array<QByteArray, kPageCount> names;
    for (int page = 0; page < kPageCount; ++page) {
        const QString problem = nameProblem(doc.pages[page].name);
        if (!problem.isEmpty()) {
            return Failure{
                QCoreApplication::translate(
                    "ProjectFile", "The name \"%1\" of page %2 cannot be stored in a project file: %3.")
                    .arg(doc.pages[page].name)
                    .arg(page)
                    .arg(problem)};
        }
        bool ok = false;
        names[page] = encodeCp932(doc.pages[page].name, &ok);
        if (!ok) {
            return Failure{
                QCoreApplication::translate("ProjectFile",
                                            "The name \"%1\" of page %2 holds a character that Shift-JIS "
                                            "(code page 932) cannot store.")
                    .arg(doc.pages[page].name)
                    .arg(page)};
        }
    }

    const bool withMap = doc.FileVer == 1;
    // Room for the widest possible file, so the buffer never moves while it fills; the pages
    // beyond what is written are never touched and so cost no memory.
    qsizetype capacity = 16 + qsizetype(withMap ? 2 : 1) * kPageCount * kSheetHeight * kSheetRowBytes;
    for (const QByteArray &name : names)
        capacity += qsizetype(34) * 9 + name.size();
    QByteArray bytes;
    bytes.reserve(capacity);

    appendNumberLine(bytes, doc.FileVer);
    appendSheets(bytes, doc.PixelData);
    for (int page = 0; page < kPageCount; ++page) {
        appendNumberLine(bytes, doc.pages[page].colourMode);
        bytes.append(names[page]);
        bytes.append("\r\n", 2);
        appendNumberLine(bytes, doc.pages[page].patternWidth);
        appendNumberLine(bytes, doc.pages[page].patternHeight);
        appendNumberLine(bytes, doc.pages[page].patternCount);
        appendNumberLine(bytes, doc.pages[page].outputFlag);
        for (int16_t v : doc.pages[page].pal4)
            appendNumberLine(bytes, v);
        for (int16_t v : doc.pages[page].pal8)
            appendNumberLine(bytes, v);
        for (int i = 0; i < 16; ++i) // slot 16 is not part of the file
            appendNumberLine(bytes, doc.pages[page].pal16[i]);
    }
    if (withMap)
        appendSheets(bytes, doc.MapData);
    bytes.append("\r\n", 2);

    if (out.write(bytes) != bytes.size())
        return Failure{QCoreApplication::translate("ProjectFile", "Writing the project file failed: %1")
                           .arg(out.errorString())};
    return {};
}

Expected<QByteArray> projectFileText(const Document &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (const Status written = writeProject(doc, buffer); !written)
        return written.failure();
    return buffer.data();
}

Status saveProject(const Document &doc, const QString &path)
{
    return writeWholeFile(path, [&doc](QIODevice &out) { return writeProject(doc, out); });
}

Expected<ProjectContent> readProject(QIODevice &in)
{
    const Expected<QByteArray> data
        = readWholeDevice(in, kMaxProjectFileBytes, QCoreApplication::translate("ProjectFile", "The file"));
    if (!data)
        return data.failure();
    return parseProject(data.value());
}

void applyProjectContent(Document &doc, ProjectContent &&content)
{
    doc.FileVer = content.FileVer;
    // The content's sheets are in the store's own order: they move in whole, the border stays.
    if (content.pixels.size() == kAllSheetCells)
        doc.PixelData.replaceSheets(std::move(content.pixels));
    for (int page = 0; page < kPageCount; ++page) {
        PageSettings &s = content.pages[page];
        doc.pages[page].colourMode = s.colourMode;
        doc.pages[page].name = std::move(s.name);
        doc.pages[page].patternWidth = s.patternWidth;
        doc.pages[page].patternHeight = s.patternHeight;
        doc.pages[page].patternCount = s.patternCount;
        doc.pages[page].outputFlag = s.outputFlag;
        doc.pages[page].pal4 = s.pal4;
        doc.pages[page].pal8 = s.pal8;
        std::copy(s.pal16.begin(), s.pal16.end(), doc.pages[page].pal16.begin());
    }
    if (content.FileVer == 1 && content.map.size() == kAllSheetCells)
        doc.MapData.replaceSheets(std::move(content.map));
}

Expected<ProjectContent> readProjectFile(const QString &path)
{
    const Expected<QByteArray> data = readWholeFile(path, kMaxProjectFileBytes);
    if (!data)
        return data.failure();
    return parseProject(data.value());
}

Document storedDocument(ProjectContent &&content)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    applyProjectContent(doc, std::move(content));
    return doc;
}

void loadProjectContent(Document &doc, EditorState &state, ProjectContent &&content)
{
    applyProjectContent(doc, std::move(content));
    resetPalettes(doc, state);
    showPageTables(doc, state);
}

Status openProject(const QString &path, Document &doc, EditorState &state)
{
    Expected<ProjectContent> content = readProjectFile(path);
    if (!content)
        return content.failure();
    loadProjectContent(doc, state, std::move(content.value()));
    return {};
}

} // namespace vesk4
