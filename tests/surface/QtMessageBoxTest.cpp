// The message box is modal, titled with the application name, and holds the
// handler gate while open so that timer ticks wait for it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "surface/qt/HandlerGate.h"
#include "surface/qt/QtMessageBox.h"
#include "surface/qt/QtTimer.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

struct SeenBox {
    bool found = false;
    bool gateHeld = false;
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Critical;
};

// Presses OK on the first modal message box that appears, noting what it showed.
void closeNextBox(SeenBox& seen, std::function<void()> whileOpen = {}) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, whileOpen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {true, HandlerGate::busy(), box->windowTitle(), box->text(),
                static_cast<int>(box->buttons().size()), box->icon()};
        if (whileOpen) whileOpen();
        box->button(QMessageBox::Ok)->click();
        poll->deleteLater();
    });
    poll->start(5);
}

TEST(QtMessageBoxTest, ShowsTextWithTheAppTitleAndOneOkButton) {
    surfacetest::ensureApp();
    QGuiApplication::setApplicationDisplayName("Orvalde");
    SeenBox seen;
    closeNextBox(seen);
    QtMessageBox(nullptr, QtMessageBox::Icon::Information).show("Xc must be positive");
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.gateHeld);
    EXPECT_EQ(seen.title, "Orvalde");
    EXPECT_EQ(seen.text, "Xc must be positive");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_FALSE(HandlerGate::busy());
}

TEST(QtMessageBoxTest, TicksWaitUntilTheBoxIsClosed) {
    surfacetest::ensureApp();
    QtTimer timer;
    timer.setInterval(1000);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    SeenBox seen;
    int ticksWhileOpen = -1;
    closeNextBox(seen, [&] {
        timer.fireForTest();
        ticksWhileOpen = ticks;
    });
    QtMessageBox(nullptr).show("paused");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(ticksWhileOpen, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace orvalde
