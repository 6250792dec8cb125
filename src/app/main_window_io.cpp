// The main window's pictures and include files: an image imported into the current page as one
// undoable step, the current page written as a PNG, the C header, and a document read back from an
// include file.
#include "app/main_window.h"

#include "app/page_bar.h"
#include "export/c_header_export.h"
#include "export/include_reader.h"
#include "image/page_image.h"
#include "widgets/button_colour.h"

#include <QFileInfo>
#include <QPushButton>

namespace vesk4 {

namespace {

const QString kImportStep = QStringLiteral("画像読込");

} // namespace

bool MainWindow::importImageFile(const QString &path)
{
    const QString what = QStringLiteral("画像を読み込めませんでした。");
    Expected<QImage> image = readImportImage(path);
    if (!image) {
        reportFailure(title(), what, image.failure());
        return false;
    }
    const int page = state_.currentPage;
    Expected<ImportPlan> plan
        = planImageImport(doc_, page, image.value(), QPoint(state_.scrollColumn, state_.scrollRow));
    if (!plan) {
        reportFailure(title(), what, plan.failure());
        return false;
    }
    // Cells a stroke in progress wrote stay a step of their own.
    history_.commitCells(QString());
    applyImport(doc_, plan.value(), &history_.cellChanges());
    history_.commitCells(kImportStep);
    redraw(true);
    if (const int cut = plan.value().cut; cut > 0) {
        messages_->inform(this, title(),
                          QStringLiteral("シートの外にはみ出した %1 セルは読み込みませんでした。").arg(cut));
    }
    return true;
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

bool MainWindow::exportCHeaderFile(const QString &path)
{
    if (Status exported = exportCHeader(doc_, path); !exported) {
        reportFailure(title(), QStringLiteral("Cヘッダを出力できませんでした。"), exported.failure());
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
        reportFailure(title(), QStringLiteral("PICデータを読み込めませんでした。"), notices.failure());
        return false;
    }
    // The save dialog proposes the include file's name as the project's.
    doc_.projectFileName = QFileInfo(path).completeBaseName() + QStringLiteral(".egd");
    setButtonShade(pageBar_->pageButton(shownPage), ButtonShade::Face);
    pageBar_->setStartCaptions(doc_.pages);
    showCurrentPage();
    history_.clearUnsaved();
    setCurrentFilePath({});
    if (!notices.value().isEmpty())
        messages_->inform(this, title(), notices.value().join(QLatin1Char('\n')));
    return true;
}

} // namespace vesk4
