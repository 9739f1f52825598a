// Runs a key sequence through the desktop window offscreen and prints the
// state as JSON, for the test that runs the same sequence in the page
// (web/tests/test_keys_agree.py). Keys go to the focused widget as a user's
// do; "frame" fires each running timer once, as one display frame does.
//
//   orvalde-keys KEY...   KEY: Tab, Shift+Tab, Space, Enter, ArrowLeft,
//                         ArrowRight, PageUp, PageDown, Home, End, a
//                         character, or frame

#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <map>

#include "app/window/LessonControls.h"
#include "app/window/OrvaldeWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvalde::OrvaldeWindow window(QSize(1600, 900));
    orvalde::LessonControls lesson(window);
    window.start();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fputs("orvalde-keys: the window did not become active\n", stderr);
        return 1;
    }
    if (qEnvironmentVariableIsSet("ORVALDE_KEYS_TRACE")) {
        QWidget* w = &window;
        for (int n = 0; n < 14; ++n, w = w->nextInFocusChain())
            std::fprintf(stderr, "chain %s %s\n", w->metaObject()->className(), qPrintable(w->accessibleName()));
    }
    const std::map<QString, Qt::Key> named{
        {"Tab", Qt::Key_Tab},           {"Space", Qt::Key_Space},      {"Enter", Qt::Key_Return},
        {"ArrowLeft", Qt::Key_Left},    {"ArrowRight", Qt::Key_Right}, {"PageUp", Qt::Key_PageUp},
        {"PageDown", Qt::Key_PageDown}, {"Home", Qt::Key_Home},        {"End", Qt::Key_End},
    };
    for (int i = 1; i < argc; ++i) {
        QString key = QString::fromLocal8Bit(argv[i]);
        if (key == "frame") {
            // Timers paced by hand only: one frame each.
            if (window.timer1().running()) window.timer1().fireForTest();
            if (window.timer2().running()) window.timer2().fireForTest();
            continue;
        }
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        if (key.startsWith("Shift+")) {
            modifiers = Qt::ShiftModifier;
            key = key.mid(6);
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        if (qEnvironmentVariableIsSet("ORVALDE_KEYS_TRACE")) {
            std::fprintf(stderr, "%s -> %s %s\n", argv[i], target->metaObject()->className(),
                         qPrintable(target->accessibleName()));
        }
        if (key == "Tab" && modifiers == Qt::ShiftModifier) {
            QTest::keyClick(target, Qt::Key_Backtab, modifiers);
        } else if (const auto k = named.find(key); k != named.end()) {
            QTest::keyClick(target, k->second, modifiers);
            // Enter presses a button the way a click is shown, after a moment
            // (the sequences press it only while no timer runs).
            if (auto* button = qobject_cast<QAbstractButton*>(target); button && key == "Enter") {
                (void)QTest::qWaitFor([button] { return !button->isDown(); });
            }
        } else if (key.size() == 1) {
            QTest::keyClick(target, key.at(0).toLatin1(), modifiers);
        } else {
            std::fprintf(stderr, "orvalde-keys: unknown key '%s'\n", argv[i]);
            return 2;
        }
    }
    const orvalde::Counters& c = window.form().sim().counters;
    std::printf("{\"cycloid\": %lld, \"circular\": %lld, \"bar\": %d, \"paused\": %s, \"pace\": \"%s\"}\n",
                static_cast<long long>(c.cycloidTicks), static_cast<long long>(c.circularTicks),
                window.scrollBar()->value(), lesson.paused() ? "true" : "false", orvalde::PaceLabel(lesson.pace()));
    return 0;
}
