#include "image/glyph_import.h"

#include "export/include_layout.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace vesk4 {

namespace {

constexpr qint64 kMaxFontFileBytes = qint64(64) << 20; // far above any font for a small display

// Pixels darker than this are ink; the font engine draws without anti-aliasing, so only a font it
// can only draw smoothed (a file whose outlines it would not hand over unsmoothed) lands between.
constexpr int kInkBelow = 128;

QFont unsmoothedFont(const QString &family, const QString &styleName, int pixelSize)
{
    QFont font(family);
    if (!styleName.isEmpty())
        font.setStyleName(styleName);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The same font file: Qt names no file of a font, so its header table (version, dates, checksum)
// and names stand for it.
bool sameFont(const QRawFont &a, const QRawFont &b)
{
    const QByteArray head = a.fontTable("head");
    return !head.isEmpty() && head == b.fontTable("head") && a.familyName() == b.familyName()
        && a.styleName() == b.styleName();
}

bool looksLikeAPath(const QString &font)
{
    static const QStringList suffixes{QStringLiteral("ttf"), QStringLiteral("otf"), QStringLiteral("ttc"),
                                      QStringLiteral("bdf"), QStringLiteral("pcf"), QStringLiteral("gz")};
    return font.contains(QLatin1Char('/')) || font.contains(QLatin1Char('\\'))
        || suffixes.contains(QFileInfo(font).suffix(), Qt::CaseInsensitive);
}

} // namespace

struct GlyphFont::Loaded {
    QRawFont raw;
    int applicationFont = -1; // registered to reach the file through a QFont; removed again at the end

    ~Loaded()
    {
        if (applicationFont >= 0)
            QFontDatabase::removeApplicationFont(applicationFont);
    }
};

GlyphFont::GlyphFont(std::unique_ptr<Loaded> loaded) : loaded_(std::move(loaded)) { }
GlyphFont::GlyphFont(GlyphFont &&other) noexcept = default;
GlyphFont &GlyphFont::operator=(GlyphFont &&other) noexcept = default;
GlyphFont::~GlyphFont() = default;

Expected<GlyphFont> GlyphFont::load(const QString &font, int pixelSize)
{
    if (pixelSize < kMinGlyphPixelSize || pixelSize > kMaxGlyphPixelSize) {
        return Failure{QCoreApplication::translate("GlyphImport", "The size must be %1 to %2 pixels, not %3.")
                           .arg(kMinGlyphPixelSize)
                           .arg(kMaxGlyphPixelSize)
                           .arg(pixelSize)};
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return Failure{QCoreApplication::translate(
            "GlyphImport", "Fonts can only be drawn with Qt's graphical application running.")};
    if (font.trimmed().isEmpty())
        return Failure{QCoreApplication::translate("GlyphImport", "No font given.")};

    auto loaded = std::make_unique<Loaded>();
    const QFileInfo file(font);
    if (file.exists()) {
        QFile in(font);
        if (!file.isFile())
            return Failure{
                QCoreApplication::translate("GlyphImport", "Cannot read the font file %1: it is a folder.")
                    .arg(font)};
        if (!in.open(QIODevice::ReadOnly))
            return Failure{QCoreApplication::translate("GlyphImport", "Cannot read the font file %1: %2")
                               .arg(font, in.errorString())};
        if (in.size() > kMaxFontFileBytes)
            return Failure{
                QCoreApplication::translate("GlyphImport", "The font file %1 is larger than %2 MiB.")
                    .arg(font)
                    .arg(kMaxFontFileBytes >> 20)};
        const QByteArray data = in.readAll();
        const QRawFont fromFile(data, pixelSize, QFont::PreferNoHinting);
        if (!fromFile.isValid())
            return Failure{
                QCoreApplication::translate("GlyphImport", "%1 is not a font file Qt's font engine reads.")
                    .arg(font)};
        loaded->raw = fromFile;
        // A font made from the file's bytes alone draws smoothed; through the font database it can
        // be asked for without anti-aliasing. Bitmap fonts (BDF, PCF) are not taken there, and
        // need not be: their glyphs have no smoothing.
        loaded->applicationFont = QFontDatabase::addApplicationFontFromData(data);
        for (const QString &family : QFontDatabase::applicationFontFamilies(loaded->applicationFont)) {
            const QRawFont unsmoothed
                = QRawFont::fromFont(unsmoothedFont(family, fromFile.styleName(), pixelSize));
            if (unsmoothed.isValid() && sameFont(unsmoothed, fromFile)) {
                loaded->raw = unsmoothed;
                break;
            }
        }
    } else if (looksLikeAPath(font)) {
        return Failure{QCoreApplication::translate("GlyphImport", "Cannot find the font file %1.").arg(font)};
    } else {
        if (!QFontDatabase::families().contains(font, Qt::CaseInsensitive))
            return Failure{QCoreApplication::translate("GlyphImport",
                                                       "There is no font file or installed font named %1.")
                               .arg(font)};
        loaded->raw = QRawFont::fromFont(unsmoothedFont(font, {}, pixelSize));
        if (!loaded->raw.isValid())
            return Failure{
                QCoreApplication::translate("GlyphImport", "The installed font %1 cannot be drawn.")
                    .arg(font)};
    }
    return GlyphFont(std::move(loaded));
}

QString GlyphFont::familyName() const
{
    return loaded_->raw.familyName();
}

GlyphCells GlyphFont::draw(char32_t character, QSize box) const
{
    GlyphCells cells;
    cells.box = box;
    cells.ink.assign(std::size_t(box.width()) * std::size_t(box.height()), 0);
    const QRawFont &raw = loaded_->raw;
    const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUcs4(&character, 1));
    if (glyphs.size() != 1 || glyphs[0] == 0) {
        cells.missing = true;
        return cells;
    }
    const qreal advance = raw.advancesForGlyphIndexes(glyphs).value(0).x();
    const QPoint origin(int(std::nearbyint((box.width() - advance) / 2)), int(std::nearbyint(raw.ascent())));

    // The canvas holds the box and the glyph's bounds, so ink outside the box is seen and counted.
    const QRect bounds
        = raw.boundingRect(glyphs[0]).translated(origin).toAlignedRect().adjusted(-2, -2, 2, 2);
    // A broken font's bounds can be anything; the canvas reaches at most a box and 64 pixels beyond
    // the box on each side, so it stays small.
    const QRect around
        = QRect(QPoint(0, 0), box)
              .adjusted(-box.width() - 64, -box.height() - 64, box.width() + 64, box.height() + 64);
    const QRect canvasRect = bounds.intersected(around).united(QRect(QPoint(0, 0), box));
    QImage canvas(canvasRect.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(Qt::black);
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions({QPointF(0, 0)});
        painter.drawGlyphRun(QPointF(origin - canvasRect.topLeft()), run);
    }
    for (int cy = 0; cy < canvas.height(); ++cy) {
        const QRgb *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(cy));
        const int y = cy + canvasRect.top();
        for (int cx = 0; cx < canvas.width(); ++cx) {
            if (qGray(line[cx]) >= kInkBelow)
                continue;
            const int x = cx + canvasRect.left();
            if (x < 0 || y < 0 || x >= box.width() || y >= box.height())
                cells.cut = true;
            else
                cells.ink[std::size_t(y) * std::size_t(box.width()) + std::size_t(x)] = 1;
        }
    }
    return cells;
}

QString printableAscii()
{
    QString text;
    for (char c = ' '; c <= '~'; ++c)
        text += QLatin1Char(c);
    return text;
}

QString codePointText(char32_t character)
{
    return QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
}

QPoint patternOrigin(const Document &doc, int page, int pattern)
{
    const Page &settings = doc.pages[page];
    const std::optional<IncludeLayout> layout
        = includeLayout(settings.colourMode, settings.patternWidth, settings.patternHeight);
    if (!layout) // no pattern of this size lies on the sheet
        return {kSheetWidth, kSheetHeight};
    const PatternOrigin origin = layout->origin(pattern);
    return {int(origin.x), int(origin.y)};
}

Expected<GlyphImportPlan> planGlyphImport(const Document &doc, int page, const GlyphFont &font,
                                          const QString &characters, int firstPattern)
{
    if (page < 0 || page > kLastCharacterPage)
        return Failure{
            QCoreApplication::translate("GlyphImport", "There is no character page %1; pages are 0 to %2.")
                .arg(page)
                .arg(kLastCharacterPage)};
    const QList<uint> codePoints = characters.toUcs4();
    if (codePoints.isEmpty())
        return Failure{QCoreApplication::translate("GlyphImport", "There are no characters to import.")};
    if (firstPattern < 0)
        return Failure{
            QCoreApplication::translate("GlyphImport", "The first pattern must be 0 or more, not %1.")
                .arg(firstPattern)};
    const int width = doc.pages[page].patternWidth;
    const int height = doc.pages[page].patternHeight;
    if (width < 1 || width > kSheetWidth || height < 1 || height > kSheetHeight) {
        return Failure{QCoreApplication::translate(
                           "GlyphImport",
                           "Page %1 has patterns of %2 x %3 cells, which cannot be laid out on its sheet.")
                           .arg(page)
                           .arg(width)
                           .arg(height)};
    }
    const qint64 end = qint64(firstPattern) + codePoints.size();
    if (end > kMaxPagePatterns) {
        return Failure{
            QCoreApplication::translate(
                "GlyphImport", "%1 characters from pattern %2 need %3 patterns; a page has at most %4.")
                .arg(codePoints.size())
                .arg(firstPattern)
                .arg(end)
                .arg(kMaxPagePatterns)};
    }
    // Patterns are placed in order, so the sheet holds those before the first that does not fit.
    int holds = 0;
    while (holds < kMaxPagePatterns) {
        const QPoint at = patternOrigin(doc, page, holds);
        if (at.x() + width > kSheetWidth || at.y() + height > kSheetHeight)
            break;
        ++holds;
    }
    if (end > holds) {
        return Failure{QCoreApplication::translate(
                           "GlyphImport",
                           "Page %1's sheet holds %2 patterns of %3 x %4 cells; %5 characters from "
                           "pattern %6 need %7.")
                           .arg(page)
                           .arg(holds)
                           .arg(width)
                           .arg(height)
                           .arg(codePoints.size())
                           .arg(firstPattern)
                           .arg(end)};
    }

    GlyphImportPlan plan;
    plan.page = page;
    plan.firstPattern = firstPattern;
    plan.characters = int(codePoints.size());
    plan.countBefore = doc.pages[page].patternCount;
    plan.countAfter = int16_t(std::max<qint64>(plan.countBefore, end));
    const QSize box(width, height);
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t character = codePoints[i];
        const GlyphCells cells = font.draw(character, box);
        if (cells.missing)
            plan.missing.push_back(character);
        plan.cutGlyphs += cells.cut ? 1 : 0;
        const QPoint at = patternOrigin(doc, page, firstPattern + int(i));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int16_t before = doc.PixelData(page, at.x() + x, at.y() + y);
                const int16_t after = cells.inkAt(x, y) ? 1 : 0;
                if (after != before)
                    plan.changes.push_back({int16_t(at.x() + x), int16_t(at.y() + y), before, after});
            }
        }
    }
    return plan;
}

void applyGlyphImport(Document &doc, const GlyphImportPlan &plan)
{
    for (const ImportedCell &c : plan.changes)
        doc.PixelData(plan.page, c.x, c.y) = c.after;
    doc.pages[plan.page].patternCount = plan.countAfter;
}

void revertGlyphImport(Document &doc, const GlyphImportPlan &plan)
{
    for (const ImportedCell &c : plan.changes)
        doc.PixelData(plan.page, c.x, c.y) = c.before;
    doc.pages[plan.page].patternCount = plan.countBefore;
}

} // namespace vesk4
