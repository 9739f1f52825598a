#pragma once
// A push button of the window: reached with Tab, pressed with Enter or Return
// as well as Space, and able to say where its caption must fit.

#include <QPushButton>
#include <QRect>

namespace orvalde {

class CommandButton : public QPushButton {
public:
    CommandButton(const QString& caption, QWidget* parent);

    // The area the style leaves for the caption with the button's current
    // font and size.
    QRect captionArea() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orvalde
