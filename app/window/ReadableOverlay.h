#pragma once
// The key to the drawing and the status line over empty parts of the window,
// placed, filled and timed by the Qt-free ReadableView; this only shows them.

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "display/ReadableView.h"
#include "measure/TickPacer.h"

namespace orvalde {

class OrvaldeWindow;

// The key: a sample of each figure beside its label, flowing into columns.
class LegendWidget : public QWidget {
public:
    explicit LegendWidget(QWidget* parent);
    // Lays the entries out in `area` (columns as needed); false if they do not fit.
    bool fitInto(const QRect& area);
    // Reads the labels in the desktop's language again; place it afresh after.
    void translate();

    // Paints the whole key (frame, samples, labels) with `p`.
    void paintKey(QPainter& p) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList labels_;  // in the order of LegendEntries()
    int rows_ = 1;
    int columnWidth_ = 0;
    QImage picture_;  // paintKey's picture for the current size and labels
};

class ReadableOverlay : public QObject {
public:
    // `pace` reads the lesson's pace; the window must outlive the overlay.
    ReadableOverlay(OrvaldeWindow& window, std::function<Pace()> pace);
    ~ReadableOverlay() override;

    ReadableView& view() { return view_; }
    void toggleLegend();
    void toggleBoldLines();
    // Places the key and the status line for the window's size.
    void place();
    // Updates the status line if due at `seconds` (steady clock).
    void refreshStatus(double seconds);
    // Up to date now, whatever the time (for snapshots and tests).
    void showStatus(double seconds);

    LegendWidget& legend() { return *legend_; }
    QLabel& status() { return *status_; }

    static double steadySeconds();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OrvaldeWindow& window_;
    std::function<Pace()> pace_;
    ReadableView view_;
    LegendWidget* legend_;
    QLabel* status_;
    QTimer timer_;
    bool fits_ = false;
};

}  // namespace orvalde
