#include "surface/qt/QtMessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include "surface/qt/HandlerGate.h"

namespace orvalde {

void QtMessageBox::show(const std::string& text) {
    // The box runs its own event loop; timer ticks that fall due meanwhile
    // must wait until it is closed.
    HandlerGate::Scope scope;
    QMessageBox box(icon_ == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QGuiApplication::applicationDisplayName(), QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace orvalde
