#include "export/include_lines.h"

#include "document/document.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace vesk4::include_reading {

namespace {

enum class LineKind {
    Empty,
    Comment,
    EndTitle,
    Global,
    Palette16,
    Palette4,
    Label,
    SizeX,
    SizeY,
    Pattern,
    Data
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A decimal number of the 16-bit range, with an optional minus sign.
std::optional<int> decimal16(QByteArrayView s)
{
    const bool negative = s.startsWith('-');
    if (negative)
        s = s.sliced(1);
    if (s.isEmpty() || s.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return value;
}

class LineParser {
public:
    explicit LineParser(ParsedFile &file) : file_(file) { }

    Status parse(QByteArrayView text)
    {
        const char *p = text.data();
        const char *end = p + text.size();
        int line = 0;
        if (text.startsWith("\xEF\xBB\xBF")) {
            return Failure{QCoreApplication::translate(
                               "IncludeFile",
                               "The file begins with a UTF-8 byte order mark; an include file is "
                               "Shift-JIS (code page 932) text without one."),
                           1};
        }
        while (p != end) {
            // A line ends with LF, CR LF or a CR alone (a file saved with old Mac line ends); CRs
            // before an LF are one line end, as a CR LF file converted twice has them.
            const char *lineEnd = std::find_if(p, end, [](char c) { return c == '\n' || c == '\r'; });
            const QByteArrayView content(p, lineEnd - p);
            p = lineEnd;
            if (p != end && *p == '\r') {
                const char *crs = p;
                while (crs != end && *crs == '\r')
                    ++crs;
                p = crs != end && *crs == '\n' ? crs : p;
            }
            if (p != end)
                ++p;
            if (Status s = take(++line, content); !s)
                return s;
        }
        return finish(line);
    }

private:
    Status take(int line, QByteArrayView content)
    {
        LineKind kind;
        if (Status s = classify(line, content, kind); !s)
            return s;
        if (ended_) {
            if (kind == LineKind::Empty || kind == LineKind::Comment)
                return {};
            return Failure{QCoreApplication::translate("IncludeFile", "Text follows the closing lines."),
                           line};
        }
        if (sizesDue_ > 0 && kind != LineKind::Empty && kind != LineKind::Comment) {
            const LineKind due = sizesDue_ == 2 ? LineKind::SizeX : LineKind::SizeY;
            if (kind != due)
                return missingSizes();
            --sizesDue_;
            (kind == LineKind::SizeX ? file_.blocks.back().width : file_.blocks.back().height) = number_;
            return {};
        }
        switch (kind) {
        case LineKind::Empty:
        case LineKind::Comment:
            return {};
        case LineKind::EndTitle:
            closePattern(line);
            ended_ = true;
            return {};
        case LineKind::Global:
            if (!file_.blocks.empty())
                return Failure{
                    QCoreApplication::translate("IncludeFile", "A .global line after the first block."),
                    line};
            file_.declarations.push_back({line, name_});
            return {};
        case LineKind::Palette16:
        case LineKind::Palette4:
            return takePalette(line, kind);
        case LineKind::Label:
            return takeLabel(line);
        case LineKind::SizeX:
        case LineKind::SizeY:
            return Failure{QCoreApplication::translate("IncludeFile", "A size line that follows no label."),
                           line};
        case LineKind::Pattern:
            return takePattern(line);
        case LineKind::Data:
            takeData(line);
            return {};
        }
        return {};
    }

    Status classify(int line, QByteArrayView content, LineKind &kind)
    {
        const QByteArrayView s = trimmed(content);
        if (s.isEmpty()) {
            kind = LineKind::Empty;
        } else if (s.startsWith(";PTN")) {
            kind = LineKind::Pattern;
            const QByteArrayView digits = trimmed(s.sliced(4));
            const std::optional<int> n = decimal16(digits);
            if (!n && !digits.isEmpty()
                && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
                return Failure{
                    QCoreApplication::translate("IncludeFile",
                                                "The pattern number %1 is out of range (0 to %2).")
                        .arg(QString::fromLatin1(digits.first(std::min<qsizetype>(digits.size(), 12))))
                        .arg(INT16_MAX),
                    line};
            if (!n || *n < 0)
                return Failure{
                    QCoreApplication::translate("IncludeFile", "A ;PTN line without its pattern number."),
                    line};
            number_ = *n;
        } else if (s.startsWith(';')) {
            kind = s.contains(endTitle()) ? LineKind::EndTitle : LineKind::Comment;
            if (kind == LineKind::Comment && utf8EndLine_ == 0 && s.contains(utf8EndTitle()))
                utf8EndLine_ = line;
        } else if (s.startsWith(".global")) {
            const QByteArrayView rest = s.sliced(7);
            if (rest.isEmpty() || !isBlank(rest.front()) || !trimmed(rest).startsWith('_'))
                return notUnderstood(line, content);
            kind = LineKind::Global;
            // The export writes the name as it is, trailing blanks included; the right end of the
            // line is the end of the name.
            const QByteArrayView afterDirective = content.sliced(content.indexOf(".global") + 7);
            return takeName(line, afterDirective.sliced(afterDirective.indexOf('_') + 1));
        } else if (s.startsWith('_') && s.endsWith(':')) {
            kind = LineKind::Label;
            const QByteArrayView fromName = content.sliced(content.indexOf('_') + 1);
            return takeName(line, fromName.first(fromName.lastIndexOf(':')));
        } else if (s.startsWith(".byte") || s.startsWith(".word")) {
            return classifyDirective(line, content, s, kind);
        } else {
            return notUnderstood(line, content);
        }
        return {};
    }

    Status takeName(int line, QByteArrayView name)
    {
        if (name.size() > kMaxLabelBytes) {
            return Failure{
                QCoreApplication::translate("IncludeFile",
                                            "The name is %1 bytes long; a page name has at most %2 "
                                            "bytes, so that the project made from the file opens again.")
                    .arg(name.size())
                    .arg(kMaxLabelBytes),
                line};
        }
        name_ = name.toByteArray();
        return {};
    }

    Status classifyDirective(int line, QByteArrayView content, QByteArrayView s, LineKind &kind)
    {
        const bool word = s.startsWith(".word");
        QByteArrayView rest = s.sliced(5);
        if (rest.isEmpty() || !isBlank(rest.front()))
            return notUnderstood(line, content);
        const qsizetype semicolon = rest.indexOf(';');
        const QByteArrayView payload = trimmed(semicolon < 0 ? rest : rest.first(semicolon));
        const QByteArrayView comment = semicolon < 0 ? QByteArrayView() : trimmed(rest.sliced(semicolon + 1));

        if (!word && (comment == "chr sizeX" || comment == "chr sizeY")) {
            kind = comment == "chr sizeX" ? LineKind::SizeX : LineKind::SizeY;
            const std::optional<int> n = decimal16(payload);
            if (!n)
                return Failure{QCoreApplication::translate(
                                   "IncludeFile", "The size is no whole number of the 16-bit range."),
                               line};
            number_ = *n;
            return {};
        }
        const QByteArrayView paletteTag = word ? "Palet16(" : "palet4(";
        if (comment.startsWith(paletteTag) && comment.endsWith(')')) {
            kind = word ? LineKind::Palette16 : LineKind::Palette4;
            const std::optional<int> n = decimal16(comment.sliced(paletteTag.size()).chopped(1));
            if (!n)
                return notUnderstood(line, content);
            number_ = *n;
            return items(line, payload);
        }
        if (word)
            return notUnderstood(line, content);
        kind = LineKind::Data;
        return items(line, payload);
    }

    // The items of a data line into file_.items; itemCount_ tells how many.
    Status items(int line, QByteArrayView payload)
    {
        itemCount_ = 0;
        const char *p = payload.data();
        const char *end = p + payload.size();
        for (;;) {
            while (p != end && isBlank(*p))
                ++p;
            if (end - p < 3 || p[0] != '0' || (p[1] != 'x' && p[1] != 'X') || hexDigit(p[2]) < 0) {
                return Failure{itemCount_ == 0 && p == end
                                   ? QCoreApplication::translate("IncludeFile", "A data line without items.")
                                   : QCoreApplication::translate("IncludeFile",
                                                                 "Item %1 is missing or is no "
                                                                 "hexadecimal number 0x...")
                                         .arg(itemCount_ + 1),
                               line};
            }
            p += 2;
            uint64_t value = 0;
            for (int digit; p != end && (digit = hexDigit(*p)) >= 0; ++p) {
                value = value * 16 + uint64_t(digit);
                if (value > UINT32_MAX)
                    return Failure{
                        QCoreApplication::translate("IncludeFile", "Item %1 is wider than 32 bits.")
                            .arg(itemCount_ + 1),
                        line};
            }
            file_.items.push_back(uint32_t(value));
            ++itemCount_;
            while (p != end && isBlank(*p))
                ++p;
            if (p == end)
                return {};
            if (*p != ',')
                return Failure{
                    QCoreApplication::translate("IncludeFile",
                                                "Item %1 is followed by \"%2\" where a comma or the line end "
                                                "belongs.")
                        .arg(itemCount_)
                        .arg(shownText(QString(QChar::fromLatin1(*p)))),
                    line};
            ++p;
        }
    }

    Status takePalette(int line, LineKind kind)
    {
        const int mode = kind == LineKind::Palette16 ? kMode16 : kMode4;
        const int entries = mode == kMode16 ? 16 : 4;
        // The item was taken into file_.items; the palette keeps it apart from the data.
        const uint32_t value = file_.items.back();
        file_.items.pop_back();
        if (!file_.blocks.empty() || file_.headerRows > 0)
            return Failure{QCoreApplication::translate("IncludeFile", "A palette line after the data began."),
                           line};
        if (file_.paletteMode < 0) {
            file_.paletteMode = mode;
            file_.paletteLine = line;
        }
        const int k = int(file_.palette.size());
        if (file_.paletteMode != mode || number_ != k || k >= entries || itemCount_ != 1) {
            return Failure{QCoreApplication::translate(
                               "IncludeFile", "Expected palette line %1 of the %2 palette of page 0.")
                               .arg(k)
                               .arg(modeName(file_.paletteMode)),
                           line};
        }
        file_.palette.push_back(value);
        return {};
    }

    Status takeLabel(int line)
    {
        closePattern(line);
        if (int(file_.blocks.size()) == kMostBlocks)
            return Failure{QCoreApplication::translate(
                               "IncludeFile", "A block beyond the 31st; pages 0 to 30 hold at most 31."),
                           line};
        Block block;
        block.line = line;
        block.name = name_;
        block.firstRow = uint32_t(file_.rows.size());
        file_.blocks.push_back(std::move(block));
        sizesDue_ = 2;
        return {};
    }

    Status takePattern(int line)
    {
        if (file_.blocks.empty())
            return Failure{QCoreApplication::translate("IncludeFile", "A ;PTN line before the first label."),
                           line};
        Block &block = file_.blocks.back();
        if (number_ != int(block.patterns.size()))
            return Failure{QCoreApplication::translate("IncludeFile", "Expected ;PTN %1 here.")
                               .arg(block.patterns.size()),
                           line};
        closePattern(line);
        block.patterns.push_back({line, uint32_t(file_.rows.size())});
        return {};
    }

    void takeData(int line)
    {
        file_.rows.push_back({line, uint32_t(file_.items.size() - itemCount_), itemCount_});
        if (file_.blocks.empty())
            ++file_.headerRows;
        else if (file_.blocks.back().patterns.empty())
            ++file_.blocks.back().leadingRows;
        else
            ++file_.blocks.back().patterns.back().rowCount;
    }

    void closePattern(int line)
    {
        if (!file_.blocks.empty() && !file_.blocks.back().patterns.empty()
            && file_.blocks.back().patterns.back().endLine == 0)
            file_.blocks.back().patterns.back().endLine = line;
    }

    Status finish(int lastLine)
    {
        if (sizesDue_ > 0)
            return missingSizes();
        if (!ended_ && utf8EndLine_ > 0) {
            return Failure{QCoreApplication::translate(
                               "IncludeFile",
                               "The closing lines are UTF-8 text; an include file is Shift-JIS (code "
                               "page 932) text."),
                           utf8EndLine_};
        }
        if (!ended_) {
            return Failure{QCoreApplication::translate(
                               "IncludeFile",
                               "The file ends without its closing lines (\"%1\"); it may have been cut "
                               "short.")
                               .arg(QStringLiteral("データエンド")),
                           std::max(lastLine, 1)};
        }
        const int entries = file_.paletteMode == kMode16 ? 16 : 4;
        if (file_.paletteMode >= 0 && int(file_.palette.size()) != entries) {
            return Failure{
                QCoreApplication::translate("IncludeFile", "The %1 palette of page 0 has %2 of its %3 lines.")
                    .arg(modeName(file_.paletteMode))
                    .arg(file_.palette.size())
                    .arg(entries),
                file_.paletteLine};
        }
        return {};
    }

    Failure missingSizes() const
    {
        return {QCoreApplication::translate(
                    "IncludeFile",
                    "The label is not followed by its two size lines (\"   .byte  W    ; chr sizeX\", "
                    "\"   .byte  H    ; chr sizeY\")."),
                file_.blocks.back().line};
    }

    static Failure notUnderstood(int line, QByteArrayView content)
    {
        QString shown = QString::fromLatin1(content.first(std::min<qsizetype>(content.size(), 40)));
        for (QChar &c : shown)
            if (c.unicode() >= 0x80) // a byte of a multi-byte character on its own says nothing
                c = QLatin1Char('?');
        return {QCoreApplication::translate("IncludeFile", "Not understood: \"%1\".").arg(shownText(shown)),
                line};
    }

    static QByteArrayView utf8EndTitle()
    {
        static const QByteArray title = QStringLiteral("データエンド").toUtf8();
        return title;
    }

    static QByteArrayView endTitle()
    {
        static const QByteArray title = encodeCp932(QStringLiteral("データエンド"));
        return title;
    }

    ParsedFile &file_;
    bool ended_ = false;
    int sizesDue_ = 0;
    int number_ = 0;
    int utf8EndLine_ = 0; // a comment line with the closing title in UTF-8
    uint32_t itemCount_ = 0;
    QByteArray name_;
};

} // namespace

QString modeName(int mode)
{
    // The editor's own names of the modes; the English interface gives them in English.
    static const char *const names[]
        = {QT_TRANSLATE_NOOP("ColourMode", "256色"), QT_TRANSLATE_NOOP("ColourMode", "16色"),
           QT_TRANSLATE_NOOP("ColourMode", "4色"), QT_TRANSLATE_NOOP("ColourMode", "2色"),
           QT_TRANSLATE_NOOP("ColourMode", "2色Ex")};
    return QStringLiteral("\"%1\"").arg(QCoreApplication::translate("ColourMode", names[mode]));
}

QString hex(uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper();
}

Status parseLines(QByteArrayView text, ParsedFile &file)
{
    file.items.reserve(std::size_t(text.size() / 4));
    file.rows.reserve(std::size_t(text.size() / 32));
    return LineParser(file).parse(text);
}

} // namespace vesk4::include_reading
