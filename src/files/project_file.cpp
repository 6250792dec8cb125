#include "files/project_file.h"

#include "document/page_state.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"
#include "palette/colour_model.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace vesk4 {

namespace {

constexpr std::size_t kAllSheetCells = std::size_t(kPageCount) * kSheetCells;

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
            // x is the second-fastest index of the store: neighbouring cells of a row lie 32 apart.
            const int16_t *cell = store.data() + PagedCellStore::index(page, 0, y);
            char *p = line;
            for (int x = 0; x < kSheetWidth; ++x, cell += kPageCount)
                p = putNumber(p, *cell);
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
        return QStringLiteral("it begins with a blank");
    for (QChar c : name) {
        if (c == QLatin1Char(','))
            return QStringLiteral("it holds a comma");
        if (c == QLatin1Char('"'))
            return QStringLiteral("it holds a double quote");
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
            return QStringLiteral("it holds a control character");
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
        const char *start = p_;
        const bool negative = *p_ == '-';
        if (negative)
            ++p_;
        const char *digits = p_;
        int magnitude = 0;
        while (p_ != end_ && *p_ >= '0' && *p_ <= '9') {
            if (magnitude <= 32768) // past the range anyway; stop growing
                magnitude = magnitude * 10 + (*p_ - '0');
            ++p_;
        }
        if (p_ == digits || (p_ != end_ && !endsNumber(*p_))) {
            while (p_ != end_ && !endsNumber(*p_))
                ++p_;
            return badToken(start, p_);
        }
        const int v = negative ? -magnitude : magnitude;
        if (v < -32768 || v > 32767) {
            error_ = Error::OutOfRange;
            found_ = QByteArray(start, p_ - start);
            return false;
        }
        value = int16_t(v);

        while (p_ != end_ && *p_ == ' ')
            ++p_;
        if (p_ != end_) {
            if (*p_ == ',')
                ++p_;
            else if (*p_ == '\r' || *p_ == '\n')
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
            return {QStringLiteral("The file ends before %1.").arg(field), fieldLine_};
        case Error::NotANumber:
            return {QStringLiteral("Expected a whole number for %1, found \"%2\".").arg(field, shown(found_)),
                    fieldLine_};
        case Error::OutOfRange:
            return {QStringLiteral("%1 is %2, outside the range -32768 to 32767.")
                        .arg(capitalised(field), shown(found_)),
                    fieldLine_};
        case Error::Binary:
            return {QStringLiteral("The file holds binary data (byte 0x%1) in %2; it is no project file.")
                        .arg(uint(uchar(found_.at(0))), 2, 16, QLatin1Char('0'))
                        .arg(field),
                    fieldLine_};
        case Error::Encoding:
            return {QStringLiteral("%1 is no valid Shift-JIS (code page 932) text.").arg(capitalised(field)),
                    fieldLine_};
        }
        return {field, fieldLine_};
    }

private:
    enum class Error { EndOfFile, NotANumber, OutOfRange, Binary, Encoding };

    static bool endsNumber(char c) { return c == ' ' || c == ',' || c == '\r' || c == '\n'; }
    static bool isBinary(char c) { return (uchar(c) < 0x20 && c != '\t') || c == 0x7F; }

    // CR LF, a bare LF or a bare CR ends a line.
    void lineEnd()
    {
        if (*p_ == '\r' && p_ + 1 != end_ && p_[1] == '\n')
            ++p_;
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

// The 32 sheets of one plane; cells indexed as in ProjectContent.
Status readSheets(FieldReader &reader, std::vector<int16_t> &cells, const char *plane)
{
    cells.resize(kAllSheetCells);
    int16_t *cell = cells.data();
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x, ++cell) {
                if (!reader.number(*cell)) {
                    return reader.failure(QStringLiteral("the %1 cell at x %2, y %3 of page %4")
                                              .arg(QLatin1String(plane))
                                              .arg(x)
                                              .arg(y)
                                              .arg(page));
                }
            }
        }
    }
    return {};
}

Status readSettings(FieldReader &reader, int page, PageSettings &s)
{
    const auto field = [page](const char *what) {
        return QStringLiteral("the %1 of page %2").arg(QLatin1String(what)).arg(page);
    };
    const auto entry = [page](const char *row, int i) {
        return QStringLiteral("%1 entry %2 of page %3").arg(QLatin1String(row)).arg(i).arg(page);
    };
    if (!reader.number(s.ColorMode))
        return reader.failure(field("colour mode"));
    if (!reader.text(s.ChrName))
        return reader.failure(field("name"));
    if (!reader.number(s.ChrSizeX))
        return reader.failure(field("pattern width"));
    if (!reader.number(s.ChrSizeY))
        return reader.failure(field("pattern height"));
    if (!reader.number(s.ChrPtnNum))
        return reader.failure(field("pattern count"));
    if (!reader.number(s.ChrOutFlag))
        return reader.failure(field("output flag"));
    for (int i = 0; i < int(s.Pal4.size()); ++i) {
        if (!reader.number(s.Pal4[i]))
            return reader.failure(entry("Pal4", i));
    }
    for (int i = 0; i < int(s.Pal8.size()); ++i) {
        if (!reader.number(s.Pal8[i]))
            return reader.failure(entry("Pal8", i));
    }
    for (int i = 0; i < int(s.Pal16.size()); ++i) {
        if (!reader.number(s.Pal16[i]))
            return reader.failure(entry("Pal16", i));
    }
    return {};
}

Expected<ProjectContent> parseProject(QByteArrayView data)
{
    FieldReader reader(data.data(), data.data() + data.size());
    ProjectContent content;
    if (!reader.number(content.FileVer))
        return reader.failure(QStringLiteral("the format number"));
    if (Status s = readSheets(reader, content.pixels, "pixel"); !s)
        return s.failure();
    for (int page = 0; page < kPageCount; ++page) {
        if (Status s = readSettings(reader, page, content.pages[page]); !s)
            return s.failure();
    }
    if (content.FileVer == 1) {
        if (Status s = readSheets(reader, content.map, "map"); !s)
            return s.failure();
    }
    // Whatever follows the last field (the final empty line, or more) is not read.
    return content;
}

void putSheets(PagedCellStore &store, const std::vector<int16_t> &cells)
{
    const int16_t *from = cells.data();
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            int16_t *to = &store(page, 0, y);
            for (int x = 0; x < kSheetWidth; ++x, to += kPageCount)
                *to = *from++;
        }
    }
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
        const QString problem = nameProblem(doc.ChrName[page]);
        if (!problem.isEmpty()) {
            return Failure{
                QStringLiteral("The name \"%1\" of page %2 cannot be stored in a project file: %3.")
                    .arg(doc.ChrName[page])
                    .arg(page)
                    .arg(problem)};
        }
        bool ok = false;
        names[page] = encodeCp932(doc.ChrName[page], &ok);
        if (!ok) {
            return Failure{QStringLiteral("The name \"%1\" of page %2 holds a character that Shift-JIS "
                                          "(code page 932) cannot store.")
                               .arg(doc.ChrName[page])
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
        appendNumberLine(bytes, doc.ColorMode[page]);
        bytes.append(names[page]);
        bytes.append("\r\n", 2);
        appendNumberLine(bytes, doc.ChrSizeX[page]);
        appendNumberLine(bytes, doc.ChrSizeY[page]);
        appendNumberLine(bytes, doc.ChrPtnNum[page]);
        appendNumberLine(bytes, doc.ChrOutFlag[page]);
        for (int16_t v : doc.Pal4[page])
            appendNumberLine(bytes, v);
        for (int16_t v : doc.Pal8[page])
            appendNumberLine(bytes, v);
        for (int i = 0; i < 16; ++i) // slot 16 is not part of the file
            appendNumberLine(bytes, doc.Pal16[page][i]);
    }
    if (withMap)
        appendSheets(bytes, doc.MapData);
    bytes.append("\r\n", 2);

    if (out.write(bytes) != bytes.size())
        return Failure{QStringLiteral("Writing the project file failed: %1").arg(out.errorString())};
    return {};
}

Status saveProject(const Document &doc, const QString &path)
{
    return writeWholeFile(path, [&doc](QIODevice &out) { return writeProject(doc, out); });
}

Expected<ProjectContent> readProject(QIODevice &in)
{
    const QString tooBig = QStringLiteral("The file is larger than %1 MB; it is no project file.")
                               .arg(kMaxProjectFileBytes / kMebibyte);
    if (!in.isReadable())
        return Failure{QStringLiteral("The file is not open for reading.")};
    if (!in.isSequential() && in.size() - in.pos() > kMaxProjectFileBytes)
        return Failure{tooBig};

    QByteArray data;
    constexpr qint64 kChunk = kMebibyte;
    if (!in.isSequential())
        data.reserve(in.size() - in.pos() + kChunk);
    for (;;) {
        const qsizetype had = data.size();
        data.resize(had + kChunk);
        const qint64 got = in.read(data.data() + had, kChunk);
        if (got < 0)
            return Failure{QStringLiteral("Reading the file failed: %1").arg(in.errorString())};
        data.resize(had + got);
        if (data.size() > kMaxProjectFileBytes)
            return Failure{tooBig};
        if (got == 0)
            break;
    }
    return parseProject(data);
}

void applyProjectContent(Document &doc, ProjectContent &&content)
{
    doc.FileVer = content.FileVer;
    if (content.pixels.size() == kAllSheetCells)
        putSheets(doc.PixelData, content.pixels);
    for (int page = 0; page < kPageCount; ++page) {
        PageSettings &s = content.pages[page];
        doc.ColorMode[page] = s.ColorMode;
        doc.ChrName[page] = std::move(s.ChrName);
        doc.ChrSizeX[page] = s.ChrSizeX;
        doc.ChrSizeY[page] = s.ChrSizeY;
        doc.ChrPtnNum[page] = s.ChrPtnNum;
        doc.ChrOutFlag[page] = s.ChrOutFlag;
        doc.Pal4[page] = s.Pal4;
        doc.Pal8[page] = s.Pal8;
        std::copy(s.Pal16.begin(), s.Pal16.end(), doc.Pal16[page].begin());
    }
    if (content.FileVer == 1 && content.map.size() == kAllSheetCells)
        putSheets(doc.MapData, content.map);
}

Expected<ProjectContent> readProjectFile(const QString &path)
{
    if (QFileInfo(path).isDir())
        return Failure{QStringLiteral("%1 is a folder, not a project file.").arg(shownPath(path))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("Cannot open %1: %2").arg(shownPath(path), file.errorString())};
    return readProject(file);
}

Status openProject(const QString &path, Document &doc, EditorState &state)
{
    Expected<ProjectContent> content = readProjectFile(path);
    if (!content)
        return content.failure();

    applyProjectContent(doc, std::move(content.value()));
    resetPalettes(doc, state);
    showPageTables(doc, state);
    return {};
}

} // namespace vesk4
