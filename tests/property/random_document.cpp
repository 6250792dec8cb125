#include "random_document.h"

#include "document/page_state.h"

#include <QStringList>

namespace vesk4 {

namespace {

int uniform(std::mt19937 &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

void fillSheets(std::mt19937 &rng, PagedCellStore &store)
{
    for (int page = 0; page < kPageCount; ++page) {
        // Some pages hold small palette entries only, as drawn pages do; others any value.
        const bool small = uniform(rng, 0, 1) == 0;
        for (int y = 0; y < kSheetHeight; ++y)
            for (int x = 0; x < kSheetWidth; ++x)
                store(page, x, y) = small ? int16_t(uniform(rng, -1, 17)) : anyInt16(rng);
    }
}

} // namespace

int16_t pickOf(std::mt19937 &rng, std::initializer_list<int> values)
{
    return int16_t(values.begin()[uniform(rng, 0, int(values.size()) - 1)]);
}

int16_t anyInt16(std::mt19937 &rng)
{
    if (uniform(rng, 0, 3) == 0)
        return pickOf(rng, {-32768, -32767, -1, 0, 1, 32766, 32767});
    return int16_t(uniform(rng, -32768, 32767));
}

QString storableName(std::mt19937 &rng)
{
    static const QStringList pieces{
        QStringLiteral("Chr"),    QStringLiteral("A"),    QStringLiteral("z9"),  QStringLiteral("_"),
        QStringLiteral("-"),      QStringLiteral("."),    QStringLiteral(" "),   QStringLiteral("\t"),
        QStringLiteral("キャラ"), QStringLiteral("漢字"), QStringLiteral("ｱｲｳ"), QStringLiteral("～"),
        QStringLiteral("①"),      QStringLiteral("'"),    QStringLiteral("%1"),  QStringLiteral("\\"),
    };
    if (uniform(rng, 0, 9) == 0)
        return QString();
    QString name;
    const int length = uniform(rng, 0, 3) == 0 ? uniform(rng, 9, 30) : uniform(rng, 1, 8);
    while (name.size() < length)
        name += pieces[uniform(rng, 0, int(pieces.size()) - 1)];
    while (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    return name;
}

Document randomProjectDocument(std::mt19937 &rng)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.FileVer = pickOf(rng, {0, 1, 1, 1, 2, -1, 32767, -32768});
    for (int page = 0; page < kPageCount; ++page) {
        const bool plausible = uniform(rng, 0, 1) == 0;
        doc.ColorMode[page] = plausible ? int16_t(uniform(rng, 0, 4)) : anyInt16(rng);
        doc.ChrName[page] = storableName(rng);
        doc.ChrSizeX[page] = plausible ? pickOf(rng, {4, 8, 16, 20, 24, 32, 40, 48, 56, 64}) : anyInt16(rng);
        doc.ChrSizeY[page] = plausible ? pickOf(rng, {8, 16, 20, 24, 32, 40, 48, 56, 64}) : anyInt16(rng);
        doc.ChrPtnNum[page] = plausible ? int16_t(uniform(rng, 0, 99)) : anyInt16(rng);
        doc.ChrOutFlag[page] = plausible ? int16_t(uniform(rng, 0, 1)) : anyInt16(rng);
        for (int16_t &v : doc.Pal4[page])
            v = anyInt16(rng);
        for (int16_t &v : doc.Pal8[page])
            v = anyInt16(rng);
        for (int e = 0; e < 16; ++e)
            doc.Pal16[page][e] = anyInt16(rng);
    }
    fillSheets(rng, doc.PixelData);
    fillSheets(rng, doc.MapData);
    return doc;
}

} // namespace vesk4
