#pragma once

#include "document/cell_store.h"
#include "document/page.h"

#include <QGroupBox>
#include <QString>

#include <array>

class QPushButton;

namespace vesk4 {

// The frame "CHR": one button per page, pageButton(0) to pageButton(31), in one column. The BG page's
// button pageButton(31) starts disabled.
class PageBar : public QGroupBox {
    Q_OBJECT
public:
    explicit PageBar(QWidget *parent = nullptr);

    QPushButton *pageButton(int page) const { return buttons_.at(page); }

    // Start-up captions: a page's name, cut to its first 8 characters.
    void setStartCaptions(const std::array<Page, kPageCount> &pages);
    // Highlights the current page's button; the others keep their colour.
    void highlight(int page);

signals:
    void pageClicked(int page);

private:
    std::array<QPushButton *, kPageCount> buttons_{};
};

} // namespace vesk4
