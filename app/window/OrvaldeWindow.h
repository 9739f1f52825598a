#pragma once
// The program's one window, "ORVALDE": the persistent drawing surface over
// the whole client area, the nine buttons, the scroll bar xthesi and the two
// timers, each connected to its handler on the form.

#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/OrvaldeForm.h"
#include "app/window/CommandButton.h"
#include "measure/PanelLayout.h"
#include "surface/raster/ScaledCopy.h"
#include "surface/qt/QtMessageBox.h"
#include "surface/qt/QtScrollBar.h"
#include "surface/qt/QtTimer.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {

class OrvaldeWindow : public QWidget, public WindowHost {
public:
    // screenOverride replaces the screen's available size, with no frame and
    // 96 dpi (for offscreen snapshots and tests).
    explicit OrvaldeWindow(std::optional<QSize> screenOverride = std::nullopt);
    ~OrvaldeWindow() override;

    // Runs start-up (Main) and paints what it drew.
    void start();
    // Runs start-up again for the window's current size, on a new drawing of
    // that size, exactly as a fresh start at that size; the window keeps its
    // size and place.
    void startAgain();
    // Full screen and back, for projectors. Like any resize it leaves the
    // picture as it is.
    void toggleFullScreen();

    OrvaldeForm& form() { return *form_; }
    RasterSurface& surface() { return surface_; }
    CommandButton* button(int number) const;
    QScrollBar* scrollBar() const { return bar_; }
    const ScrollBarControl& xthesiControl() const { return xthesi_; }
    ScrollBarControl& xthesi() { return xthesi_; }
    QtTimer& timer1() { return timer1_; }
    QtTimer& timer2() { return timer2_; }

    // Runs one handler the way the event loop does: one at a time, then
    // repaints only what it changed.
    void dispatch(const std::function<void()>& handler);

    // The area the surface changed since the last call, in logical pixels;
    // resets it.
    QRegion takeDirtyRegion();

    // The drawing's device pixels as a QImage that shares them (no copy); valid
    // until the surface next grows.
    QImage drawingImage() const;

    // The drawing as the window shows it: the smaller copy while the panel
    // takes room, up to date with what takeDirtyRegion() has taken.
    const PixelImage& shownDrawing();

    // A panel docked beside the drawing (see PanelLayout); the window takes
    // it as a child. While it shows, the drawing is shown smaller.
    void dockPanel(QWidget* panel);
    void setPanelShown(bool shown);
    bool panelShown() const { return panelShown_; }
    const PanelLayout& layout() const { return layout_; }
    // The nine buttons' extent, in logical pixels.
    QRect buttonsRect() const;

    // Logical pixels copied to the screen by paint events so far.
    std::uint64_t paintedArea() const { return paintedArea_; }

    // WindowHost
    double screenWidth() const override;
    double screenHeight() const override;
    void setOuterHeight(double height) override;
    void setOuterWidth(double width) override;
    void moveTo(double left, double top) override;
    double clientWidth() const override { return width(); }
    double clientHeight() const override { return height(); }
    void showWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void retranslate();  // the accessible texts; the captions never change
    void repaintChanged();
    void relayout();
    // Builds the smaller copy afresh if the scale or the drawing's size
    // changed; returns whether it did.
    bool syncScaled();
    QSize screenSize() const;
    QMargins frame();

    std::optional<QSize> screenOverride_;
    std::optional<QMargins> frame_;  // the window manager's frame, once asked
    RasterSurface surface_;
    QScrollBar* bar_;
    std::array<CommandButton*, 10> buttons_{};  // index = command number
    QtScrollBar xthesi_;
    QtTimer timer1_;
    QtTimer timer2_;
    QtMessageBox messages_;
    std::unique_ptr<OrvaldeForm> form_;
    std::uint64_t paintedArea_ = 0;
    QPointer<QWidget> panel_;
    bool panelShown_ = false;
    PanelLayout layout_;
    ScaledCopy scaled_;  // the drawing at layout_.drawingScale, while that is not 1
};

}  // namespace orvalde
