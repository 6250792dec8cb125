// The main window's pictures and include files: an image imported into the current page as one
// undoable step, characters of a font drawn into its patterns as another, the current page written
// as a PNG, the C header, and a document read back from an include file.
#include "app/main_window.h"

#include "app/page_bar.h"
#include "export/c_header_export.h"
#include "export/include_reader.h"
#include "image/glyph_import_dialog.h"
#include "image/image_import_dialog.h"
#include "image/page_image.h"
#include "widgets/button_colour.h"

#include <QFileInfo>
#include <QPushButton>

namespace vesk4 {

namespace {

// Looked up when used, so that they follow the language installed at the time.
const char *const kImportStep = QT_TRANSLATE_NOOP("vesk4::MainWindow", "Import Image");
const char *const kGlyphStep = QT_TRANSLATE_NOOP("vesk4::MainWindow", "Import Characters");
const char *const kImportFailed = QT_TRANSLATE_NOOP("vesk4::MainWindow", "The image could not be read.");

} // namespace

bool MainWindow::importImageFile(const QString &path)
{
    Expected<QImage> image = readImportImage(path);
    if (!image) {
        reportFailure(title(), tr(kImportFailed), image.failure());
        return false;
    }
    return importImage(image.value(), QPoint(state_.scrollColumn, state_.scrollRow), kDefaultImportThreshold,
                       Dithering::None);
}

bool MainWindow::showImageImportDialog(const QString &path)
{
    Expected<QImage> image = readImportImage(path);
    if (!image) {
        reportFailure(title(), tr(kImportFailed), image.failure());
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
        reportFailure(title(), tr(kImportFailed), plan.failure());
        return false;
    }
    // Cells a stroke in progress wrote stay a step of their own.
    history_.commitCells(QString());
    applyImport(doc_, plan.value(), &history_.cellChanges());
    history_.commitCells(tr(kImportStep));
    redraw(true);
    if (const int cut = plan.value().cut; cut > 0) {
        messages_->inform(this, title(), tr("%1 cells beyond the sheet were not imported.").arg(cut));
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
        history_.stack().beginMacro(tr(kGlyphStep));
        CellChanges &journal = history_.cellChanges();
        for (const ImportedCell &cell : plan.changes)
            journal.write(doc_.PixelData, plan.page, cell.x, cell.y, cell.after);
        history_.commitCells(tr(kGlyphStep));
        history_.changeSetting(plan.page, PageSetting::PatternCount, plan.countAfter);
        history_.stack().endMacro();
        if (plan.page == state_.currentPage)
            showCurrentPage();
    }
    QStringList notes;
    if (plan.cutGlyphs > 0)
        notes << tr("%1 characters run over their patterns and are cut.").arg(plan.cutGlyphs);
    if (!plan.missing.empty()) {
        QStringList codes;
        for (char32_t c : plan.missing)
            codes << codePointText(c);
        notes << tr("Characters missing from the font were left blank: %1").arg(codes.join(QLatin1Char(' ')));
    }
    if (!notes.isEmpty())
        messages_->inform(this, title(), notes.join(QLatin1Char('\n')));
}

bool MainWindow::exportPageImage(const QString &path)
{
    const QString what = tr("The image could not be exported.");
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

bool MainWindow::exportCHeaderFile(const QString &path)
{
    if (Status exported = exportCHeader(doc_, path); !exported) {
        reportFailure(title(), tr("The C header could not be exported."), exported.failure());
        return false;
    }
    return true;
}

bool MainWindow::readIncludeDocument(const QString &path)
{
    if (!confirmUnsavedChanges())
        return false;
    const int shownPage = state_.currentPage;
    const Expected<QStringList> notices = openIncludeFile(path, doc_, state_);
    if (!notices) {
        reportFailure(title(), tr("The PIC data could not be read."), notices.failure());
        return false;
    }
    // The save dialog proposes the include file's name as the project's.
    doc_.projectFileName = QFileInfo(path).completeBaseName() + QStringLiteral(".egd");
    setButtonShade(pageBar_->pageButton(shownPage), ButtonShade::Face);
    history_.clearUnsaved();
    pageBar_->showCaptions(doc_.pages);
    showCurrentPage();
    setCurrentFilePath({});
    if (!notices.value().isEmpty())
        messages_->inform(this, title(), notices.value().join(QLatin1Char('\n')));
    return true;
}

} // namespace vesk4
