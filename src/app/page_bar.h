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

    // Every button's caption from its page's name, as after start-up or a load.
    void showCaptions(const std::array<Page, kPageCount> &pages);
    // One page's caption, after its name changed or its page was shown.
    void showCaption(int page, const QString &name);
    // Highlights the current page's button; the others keep their colour.
    void highlight(int page);

signals:
    // The user clicked a page's button.
    void pageClicked(int page);

private:
    std::array<QPushButton *, kPageCount> buttons_{};
};

} // namespace vesk4
