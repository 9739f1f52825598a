#pragma once
// "ORVALDE — Measurements": the live readout of the period meter, the two
// plots, and "Measure all release heights" with its progress and Cancel.
// Docked in the main window beside the drawing. Redraws at most ten times a
// second, and only when something was measured.

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "app/window/PlotPainter.h"
#include "app/window/SweepTableView.h"
#include "measure/Measurements.h"
#include "measure/ReleaseHeightSweep.h"

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

    // Plots one above the other (beside the drawing) or side by side (below it).
    void setSideBySide(bool sideBySide);

    // "Measure all release heights" on a worker thread the panel owns; the
    // points land in the measurements when it finishes (or is cancelled).
    // Starting while a sweep runs does nothing.
    void startSweep();
    void cancelSweep();
    bool sweeping() const { return sweeping_; }
    // Waits for a running sweep and takes its points (for tests and tools).
    void waitForSweep();
    // Waits for the worker without taking its points, as if its "finished"
    // had not yet been delivered (for tests).
    void waitForWorker();

    // Where a failed sweep is told; by default nowhere but the progress bar.
    std::function<void(const QString&)> report;
    // Measures one start on the worker (MeasureStart unless replaced, for tests).
    std::function<SweepPoint(int)> measureStart;

    PlotView& periodView() { return *periodView_; }
    PlotView& displacementView() { return *displacementView_; }
    QLabel& readout() { return *readout_; }
    QProgressBar& progress() { return *progress_; }
    QPushButton& sweepButton() { return *sweepButton_; }
    QPushButton& cancelButton() { return *cancelButton_; }
    SweepTableView& sweepTable() { return *sweepTable_; }

protected:
    void changeEvent(QEvent* event) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The GUI thread looks at the worker's state on a timer: no event
    // crosses threads, so every hand-over is an atomic or the join, which
    // ThreadSanitizer sees.
    void pollSweep();
    void sweepFinished();
    void retranslate();  // every text, in the application's language
    void joinWorker();

    Measurements& measurements_;
    PlotView* periodView_;
    PlotView* displacementView_;
    QBoxLayout* plots_;
    QLabel* readout_;
    QProgressBar* progress_;
    QPushButton* sweepButton_;
    QPushButton* cancelButton_;
    SweepTableView* sweepTable_;
    QTimer refreshTimer_;
    std::uint64_t shownRevision_ = ~std::uint64_t{0};
    double lastRefresh_ = -1e9;

    // What one sweep shares with its worker. The outcome is written before
    // `finished` is set and read only after the join; each sweep has its own,
    // so nothing of an earlier sweep can reach a later one.
    struct SweepRun {
        std::atomic<bool> cancel{false};
        std::atomic<int> done{0};
        std::atomic<bool> finished{false};
        SweepOutcome outcome;
    };
    std::unique_ptr<SweepRun> run_;
    std::thread worker_;
    QTimer sweepPoll_;
    bool sweeping_ = false;
};

}  // namespace orvalde
