#pragma once
// The desktop's language, held by one owner that lives on the application
// object. Switching re-translates every window at once: each widget that
// shows text re-reads it on QEvent::LanguageChange. Qt's own dialogs (file
// dialog, message box buttons) follow through Qt's catalogs when installed.

#include <QObject>
#include <QTranslator>
#include <string_view>

#include "language/Translator.h"

namespace orvalde {

class DesktopLanguage : public QObject {
public:
    // The application's owner, created in English on first use; needs the
    // QApplication.
    static DesktopLanguage& instance();
    // Its translator, or English before there is an application.
    static const Translator& current();

    // Switches and re-translates every widget; false (and English) when the
    // program does not speak that language.
    bool switchTo(std::string_view code);
    const Translator& translator() const { return translator_; }

private:
    explicit DesktopLanguage(QObject* application);

    Translator translator_;
    QTranslator qtTexts_;
    bool qtTextsInstalled_ = false;
};

}  // namespace orvalde
