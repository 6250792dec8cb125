#pragma once

#include "document/document.h"

#include <QObject>
#include <QString>

#include <cstdint>

class QLabel;
class QStatusBar;

namespace vesk4 {

// The status bar's answer to "where does this cell go, and will it fit": the pattern, byte and bit
// of the cell under the pointer in the include file's data, and the bytes the whole file assembles
// to. Runs on every pointer move, so the cell text is made only when the pointer reaches another
// cell, and the total only when the document changes.
class FirmwareStatus : public QObject {
    Q_OBJECT
public:
    // The settings key of the size limit in bytes; 0 or missing is no limit.
    static constexpr const char *kSizeLimitKey = "export/sizeLimit";

    // Adds its two fields to the bar; reads the size limit from the settings.
    FirmwareStatus(QStatusBar *bar, const Document &doc);

    // The pointer is over cell (x, y) of the page.
    void pointerAt(int page, int x, int y);
    // The document may have changed: the total and the text of the cell last shown are made again.
    void documentChanged();
    // Likewise when a page is shown: the cell last shown is then a cell of that page.
    void pageShown(int page);

    // Bytes above which the total shows red; 0 for none. Stored in the settings.
    int64_t sizeLimit() const { return sizeLimit_; }
    void setSizeLimit(int64_t bytes);
    // Asks for the size limit in a small dialog.
    void askSizeLimit();

    QLabel *cellLabel() const { return cell_; }
    QLabel *totalLabel() const { return total_; }

private:
    void showTotal();

    const Document &doc_;
    QLabel *cell_;
    QLabel *total_;
    int64_t sizeLimit_ = 0;
    // What the cell label shows, so a move within the same cell costs a comparison.
    int page_ = -1;
    int x_ = 0;
    int y_ = 0;
};

} // namespace vesk4
