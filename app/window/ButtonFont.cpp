#include "app/window/ButtonFont.h"

#include <QFontMetricsF>

#include "app/window/CommandButton.h"

namespace orvalde {

bool CaptionFits(const CommandButton& button) {
    const QRect area = button.captionArea();
    const QFontMetricsF metrics(button.font(), const_cast<CommandButton*>(&button));
    // The ink may reach past the advance (italic overhang, rounding at the
    // device pixel ratio): the bounding box is what must fit.
    const QRectF ink = metrics.boundingRect(button.text());
    return std::max(metrics.horizontalAdvance(button.text()), ink.width()) <= area.width() &&
           metrics.height() <= area.height();
}

QFont FitButtonFont(std::span<CommandButton* const> buttons, QFont preferred) {
    constexpr double kSmallest = 5.0;
    QFont font = preferred;
    if (font.pointSizeF() <= 0) font.setPointSizeF(9.0);  // a pixel-sized default
    for (;;) {
        bool all = true;
        for (CommandButton* button : buttons) {
            button->setFont(font);
            all = all && CaptionFits(*button);
        }
        if (all || font.pointSizeF() - 0.5 < kSmallest) return font;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
}

}  // namespace orvalde
