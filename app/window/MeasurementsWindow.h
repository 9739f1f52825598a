#pragma once
// "ORVALDE — Measurements": the live readout of the period meter, the two
// plots, and "Measure all release heights" with its progress and Cancel.
// Redraws at most ten times a second, and only when something was measured.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "app/window/PlotPainter.h"
#include "app/window/SweepTableView.h"
#include "measure/Measurements.h"

namespace orvalde {

inline constexpr double kPanelRefreshSeconds = 0.1;

class MeasurementsWindow : public QWidget {
public:
    // `measurements` belongs to the caller and outlives the panel.
    explicit MeasurementsWindow(Measurements& measurements, QWidget* parent = nullptr);
    ~MeasurementsWindow() override;

    // Brings the readout and plots up to date if something changed and the
    // last refresh is at least kPanelRefreshSeconds old, on the clock of
    // steadySeconds(). Returns whether it refreshed.
    bool refreshIfDue(double seconds);
    // The steady clock the panel's own refresh timer reads.
    static double steadySeconds();
    // Up to date now, whatever the time.
    void refreshNow();

    // The starts "Measure all release heights" runs; the lesson gives the
    // scroll bar's range.
    std::function<std::vector<int>()> sweepStarts;

    // "Measure all release heights" on a worker thread; the points land in
    // the measurements when it finishes (or is cancelled).
    void startSweep();
    void cancelSweep();
    bool sweeping() const { return worker_.joinable() && !finished_; }
    // Waits for a running sweep and takes its points (for tests and tools).
    void waitForSweep();

    PlotView& periodView() { return *periodView_; }
    PlotView& displacementView() { return *displacementView_; }
    QLabel& readout() { return *readout_; }
    QProgressBar& progress() { return *progress_; }
    QPushButton& sweepButton() { return *sweepButton_; }
    QPushButton& cancelButton() { return *cancelButton_; }
    SweepTableView& sweepTable() { return *sweepTable_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void sweepFinished();
    void retranslate();  // every text, in the application's language

    Measurements& measurements_;
    PlotView* periodView_;
    PlotView* displacementView_;
    QLabel* readout_;
    QProgressBar* progress_;
    QPushButton* sweepButton_;
    QPushButton* cancelButton_;
    SweepTableView* sweepTable_;
    QTimer refreshTimer_;
    std::uint64_t shownRevision_ = ~std::uint64_t{0};
    double lastRefresh_ = -1e9;

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> finished_{false};
    std::vector<SweepPoint> sweepResult_;  // written by the worker, read after joining
};

}  // namespace orvalde
