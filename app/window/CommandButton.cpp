#include "app/window/CommandButton.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace orvalde {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Tab reaches it; a mouse click does not take the focus from where the
    // keyboard user left it.
    setFocusPolicy(Qt::TabFocus);
}

QRect CommandButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog a push button ignores Enter; here it is the key a
    // keyboard user expects to press a button with.
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace orvalde
