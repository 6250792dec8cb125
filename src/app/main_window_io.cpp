// The main window's pictures and include files: an image imported into the current page as one
// undoable step, characters of a font drawn into its patterns as another, the current page written as a PNG,
// and a document read back from an include file.
#include "app/main_window.h"

#include "app/page_bar.h"
#include "document/page_state.h"
#include "export/include_reader.h"
#include "image/glyph_import_dialog.h"
#include "image/image_import_dialog.h"
#include "image/page_image.h"
#include "palette/colour_model.h"
#include "widgets/button_colour.h"

#include <QFileInfo>
#include <QPushButton>

namespace vesk4 {

namespace {

const QString kImportStep = QStringLiteral("画像読込");
const QString kGlyphStep = QStringLiteral("文字読込");
const QString kImportFailed = QStringLiteral("画像を読み込めませんでした。");

} // namespace

bool MainWindow::importImageFile(const QString &path)
{
    Expected<QImage> image = readImportImage(path);
    if (!image) {
        reportFailure(title(), kImportFailed, image.failure());
        return false;
    }
    return importImage(image.value(), QPoint(state_.scrollColumn, state_.scrollRow), kDefaultImportThreshold,
                       Dithering::None);
}

bool MainWindow::showImageImportDialog(const QString &path)
{
    Expected<QImage> image = readImportImage(path);
    if (!image) {
        reportFailure(title(), kImportFailed, image.failure());
        return false;
    }
    auto *dialog = new ImageImportDialog(doc_, state_.currentPage, std::move(image.value()),
                                         QPoint(state_.scrollColumn, state_.scrollRow), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        importImage(dialog->image(), dialog->at(), dialog->threshold(), dialog->dithering());
    });
    dialog->open();
    return true;
}

bool MainWindow::importImage(const QImage &image, QPoint at, int threshold, Dithering dithering)
{
    const int page = state_.currentPage;
    Expected<ImportPlan> plan = planImageImport(doc_, page, image, at, threshold, dithering);
    if (!plan) {
        reportFailure(title(), kImportFailed, plan.failure());
        return false;
    }
    // Cells a stroke in progress wrote stay a step of their own.
    history_.commitCells(QString());
    CellChanges &journal = history_.cellChanges();
    for (const ImportedCell &cell : plan.value().changes)
        journal.write(doc_.PixelData, page, cell.x, cell.y, cell.after);
    history_.commitCells(kImportStep);
    redraw(true);
    if (const int cut = plan.value().cut; cut > 0) {
        messages_->inform(this, title(),
                          QStringLiteral("シートの外にはみ出した %1 セルは読み込みませんでした。").arg(cut));
    }
    return true;
}

void MainWindow::showGlyphImportDialog()
{
    auto *dialog = new GlyphImportDialog(doc_, state_.currentPage, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (dialog->plan())
            importGlyphs(*dialog->plan());
    });
    dialog->open();
}

void MainWindow::importGlyphs(const GlyphImportPlan &plan)
{
    const bool changes = !plan.changes.empty() || plan.countAfter != plan.countBefore;
    if (changes) {
        history_.commitCells(QString());
        // Cells and pattern count are one step, taken back together.
        history_.stack().beginMacro(kGlyphStep);
        CellChanges &journal = history_.cellChanges();
        for (const ImportedCell &cell : plan.changes)
            journal.write(doc_.PixelData, plan.page, cell.x, cell.y, cell.after);
        history_.commitCells(kGlyphStep);
        history_.changeSetting(plan.page, PageSetting::PatternCount, plan.countAfter);
        history_.stack().endMacro();
        if (plan.page == state_.currentPage)
            showCurrentPage();
    }
    QStringList notes;
    if (plan.cutGlyphs > 0)
        notes << QStringLiteral("パターンからはみ出した %1 文字は切れています。").arg(plan.cutGlyphs);
    if (!plan.missing.empty()) {
        QStringList codes;
        for (char32_t c : plan.missing)
            codes << codePointText(c);
        notes << QStringLiteral("フォントにない文字は空白にしました: %1").arg(codes.join(QLatin1Char(' ')));
    }
    if (!notes.isEmpty())
        messages_->inform(this, title(), notes.join(QLatin1Char('\n')));
}

bool MainWindow::exportPageImage(const QString &path)
{
    const QString what = QStringLiteral("画像を書き出せませんでした。");
    PageImageOptions options;
    options.rightColour = state_.rightPenColour;
    options.rightAltColour = state_.rightPenAltColour;
    Expected<QImage> image = pageImage(doc_, state_.currentPage, options);
    Status written = image ? writePngImage(image.value(), path) : image.status();
    if (!written) {
        reportFailure(title(), what, written.failure());
        return false;
    }
    return true;
}

bool MainWindow::readIncludeDocument(const QString &path)
{
    if (!confirmUnsavedChanges())
        return false;
    Expected<IncludeReadResult> read = readIncludeFile(path);
    if (!read) {
        reportFailure(title(), QStringLiteral("PICデータを読み込めませんでした。"), read.failure());
        return false;
    }
    // What a project file holds, as an open takes it; grid and colour tables stay.
    Document &from = read.value().doc;
    doc_.FileVer = from.FileVer;
    doc_.PixelData = std::move(from.PixelData);
    doc_.MapData = std::move(from.MapData);
    doc_.ColorMode = from.ColorMode;
    doc_.Pal4 = from.Pal4;
    doc_.Pal8 = from.Pal8;
    doc_.Pal16 = from.Pal16;
    doc_.ChrName = std::move(from.ChrName);
    doc_.ChrSizeX = from.ChrSizeX;
    doc_.ChrSizeY = from.ChrSizeY;
    doc_.ChrPtnNum = from.ChrPtnNum;
    doc_.ChrOutFlag = from.ChrOutFlag;
    // The save dialog proposes the include file's name as the project's.
    doc_.projectFileName = QFileInfo(path).completeBaseName() + QStringLiteral(".egd");

    setButtonShade(pageBar_->pageButton(state_.currentPage), ButtonShade::Face);
    state_.currentPage = 0;
    resetPalettes(doc_, state_);
    showPageTables(doc_, state_);
    pageBar_->setStartCaptions(doc_.ChrName);
    showCurrentPage();
    history_.clearUnsaved();
    setCurrentFilePath({});
    if (const QStringList &notices = read.value().notices; !notices.isEmpty())
        messages_->inform(this, title(), notices.join(QLatin1Char('\n')));
    return true;
}

} // namespace vesk4
