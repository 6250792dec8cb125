#include "export/include_shapes.h"

#include "document/document.h"

#include <QCoreApplication>

#include <algorithm>

namespace vesk4::include_reading {

std::vector<Shape> shapesFor(int width, int height)
{
    std::vector<Shape> shapes;
    for (int mode : {kMode2, kMode2Ex, kMode256, kMode16, kMode4}) {
        if (const std::optional<IncludeLayout> layout = includeLayout(mode, width, height))
            shapes.push_back({*layout, layout->rowsPerPattern(), layout->bytesPerRow()});
    }
    return shapes;
}

namespace {

bool isMapRow(const Row &row)
{
    return row.itemCount == kMapItems;
}

} // namespace

ShapeFit fitShape(const ParsedFile &file, const Block &block, const Shape &shape, bool lastBlock)
{
    ShapeFit fit;
    const auto refuse = [&](int line, const QString &why) {
        fit.fits = false;
        fit.failure = {why, line};
        return fit;
    };
    for (std::size_t n = 0; n < block.patterns.size(); ++n) {
        const Pattern &pattern = block.patterns[n];
        int64_t rows = pattern.rowCount;
        const bool lastPattern = n + 1 == block.patterns.size();
        if (lastBlock && lastPattern && rows == shape.rows + kMapRows
            && std::all_of(file.rows.begin() + pattern.firstRow + shape.rows,
                           file.rows.begin() + pattern.firstRow + rows, isMapRow)) {
            fit.withMap = true;
            fit.mapFirstRow = uint32_t(pattern.firstRow + shape.rows);
            rows = shape.rows;
        }
        if (rows != shape.rows) {
            const int line
                = rows < shape.rows ? pattern.endLine : file.rows[pattern.firstRow + shape.rows].line;
            return refuse(line,
                          QCoreApplication::translate(
                              "IncludeFile",
                              "Pattern %1 has %2 data lines; read as %3, a pattern of %4 x %5 cells has "
                              "%6.")
                              .arg(n)
                              .arg(pattern.rowCount)
                              .arg(modeName(shape.layout.mode))
                              .arg(block.width)
                              .arg(block.height)
                              .arg(shape.rows));
        }
        for (int64_t r = 0; r < rows; ++r) {
            const Row &row = file.rows[pattern.firstRow + r];
            if (row.itemCount != shape.items) {
                return refuse(row.line,
                              QCoreApplication::translate(
                                  "IncludeFile",
                                  "The line has %1 items; read as %2, a row of a pattern %3 cells wide "
                                  "has %4.")
                                  .arg(row.itemCount)
                                  .arg(modeName(shape.layout.mode))
                                  .arg(block.width)
                                  .arg(shape.items));
            }
        }
    }
    return fit;
}

} // namespace vesk4::include_reading
