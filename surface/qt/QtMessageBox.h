#pragma once
// The program's modal message: the application's title, one OK button, and
// the handler gate held while it is open so that timer ticks wait for it.

#include <string>

#include "surface/Controls.h"

class QWidget;

namespace orvalde {

class QtMessageBox : public MessageBox {
public:
    enum class Icon { None, Information };

    explicit QtMessageBox(QWidget* parent, Icon icon = Icon::None) : parent_(parent), icon_(icon) {}

    void show(const std::string& text) override;

private:
    QWidget* parent_;
    Icon icon_;
};

}  // namespace orvalde
