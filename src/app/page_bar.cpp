#include "app/page_bar.h"

#include "document/page_settings_editor.h"
#include "widgets/button_colour.h"
#include "widgets/twips.h"

#include <QPushButton>

namespace vesk4 {

namespace {
constexpr int kButtonWidth = twips(800);
constexpr int kButtonHeight = twips(300);
} // namespace

PageBar::PageBar(QWidget *parent) : QGroupBox(QStringLiteral("CHR"), parent)
{
    // "MapChip0" must fit a 53-pixel button whole.
    QFont buttonFont = font();
    buttonFont.setStretch(QFont::SemiCondensed);
    if (buttonFont.pointSizeF() > 0)
        buttonFont.setPointSizeF(buttonFont.pointSizeF() - 1);
    else
        buttonFont.setPixelSize(buttonFont.pixelSize() - 1);

    // The buttons start under the title; the BG button closes the column instead of lying on top
    // of another page's button.
    const int top = contentsRect().top();
    for (int p = 0; p < kPageCount; ++p) {
        auto *button = new QPushButton(this);
        button->setFont(buttonFont);
        button->setGeometry(1, top + kButtonHeight * p, kButtonWidth, kButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, p] { emit pageClicked(p); });
        buttons_[p] = button;
    }
    buttons_[kPageCount - 1]->setEnabled(false);
    setFixedSize(kButtonWidth + 2, top + kButtonHeight * kPageCount + 2);
}

void PageBar::showCaptions(const std::array<Page, kPageCount> &pages)
{
    for (int p = 0; p < kPageCount; ++p)
        showCaption(p, pages[p].name);
}

void PageBar::showCaption(int page, const QString &name)
{
    buttons_.at(page)->setText(pageButtonCaption(name));
}

void PageBar::highlight(int page)
{
    setButtonShade(buttons_.at(page), ButtonShade::Active);
}

} // namespace vesk4
