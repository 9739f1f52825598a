#include "app/window/DesktopLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QWidget>

namespace orvalde {
namespace {

constexpr const char* kObjectName = "orvalde-language";

}  // namespace

DesktopLanguage::DesktopLanguage(QObject* application) : QObject(application) { setObjectName(kObjectName); }

DesktopLanguage& DesktopLanguage::instance() {
    QCoreApplication* app = QCoreApplication::instance();
    if (auto* existing = app->findChild<DesktopLanguage*>(kObjectName, Qt::FindDirectChildrenOnly)) return *existing;
    return *new DesktopLanguage(app);  // owned by the application
}

const Translator& DesktopLanguage::current() {
    return QCoreApplication::instance() ? instance().translator() : Translator::english();
}

bool DesktopLanguage::switchTo(std::string_view code) {
    const bool spoken = translator_.select(code);
    if (qtTextsInstalled_) QCoreApplication::removeTranslator(&qtTexts_);
    qtTextsInstalled_ = false;
    if (qtTexts_.load(QString("qtbase_") + translator_.code(), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtTextsInstalled_ = QCoreApplication::installTranslator(&qtTexts_);
    }
    // At once, not when the posted events arrive: every window, shown or not.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
    return spoken;
}

}  // namespace orvalde
