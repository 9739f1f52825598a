#include "surface/qt/Application.h"

#include <QApplication>
#include <clocale>

namespace orvalde {

void EnsureQtApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "orvalde";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the program does: C-library numbers keep the decimal point
    QApplication::setApplicationName("Orvalde");
    (void)app;
}

}  // namespace orvalde
