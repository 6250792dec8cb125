#include "widgets/button_colour.h"

#include <QAbstractButton>
#include <QPalette>

namespace vesk4 {

void setButtonShade(QAbstractButton *button, ButtonShade shade)
{
    if (shade == ButtonShade::Face) {
        // A palette that resolves no role makes the button inherit its parent's again.
        button->setPalette(QPalette());
        return;
    }
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button,
                     QColor(shade == ButtonShade::Active ? kActiveButtonColour : kApplicableButtonColour));
    button->setPalette(palette);
}

QColor buttonBackground(const QAbstractButton *button)
{
    return button->palette().color(QPalette::Button);
}

} // namespace vesk4
