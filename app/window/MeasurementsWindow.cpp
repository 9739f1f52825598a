#include "app/window/MeasurementsWindow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <algorithm>
#include <QVBoxLayout>
#include <system_error>

#include "app/window/DesktopLanguage.h"
#include "app/window/ReadoutLabel.h"
#include "lesson/Spoken.h"
#include "measure/MeasurementPlots.h"

namespace orvalde {
namespace {

// How often the progress bar follows a running sweep.
constexpr int kSweepPollMs = 50;

}  // namespace

double MeasurementsWindow::steadySeconds() {
    QElapsedTimer clock;
    clock.start();
    return static_cast<double>(clock.msecsSinceReference()) * 1e-3;
}

MeasurementsWindow::MeasurementsWindow(Measurements& measurements, QWidget* parent)
    : QWidget(parent), measurements_(measurements) {
    setAutoFillBackground(true);
    QFont text = font();
    text.setPixelSize(15);
    setFont(text);

    readout_ = new ReadoutLabel(this);
    // A fixed height: a new text then repaints the label alone, not the plots.
    QFont small = text;
    small.setPixelSize(13);
    readout_->setFont(small);
    readout_->setFixedHeight(9 * 16);
    periodView_ = new PlotView(this);
    displacementView_ = new PlotView(this);
    sweepButton_ = new QPushButton(this);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, kSweepStarts);
    progress_->setValue(0);
    // On a narrow panel the bar gives way, not the buttons' words.
    progress_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    sweepTable_ = new SweepTableView(this);

    plots_ = new QBoxLayout(QBoxLayout::TopToBottom);
    plots_->addWidget(periodView_);
    plots_->addWidget(displacementView_);
    auto* sweepRow = new QHBoxLayout;
    sweepRow->addWidget(sweepButton_);
    sweepRow->addWidget(progress_, 1);
    sweepRow->addWidget(cancelButton_);
    // Sections one under another; a later one is one more addWidget.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(readout_);
    layout->addLayout(plots_, 1);
    layout->addWidget(sweepTable_);
    layout->addLayout(sweepRow);

    connect(sweepButton_, &QPushButton::clicked, this, [this] { startSweep(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelSweep(); });
    refreshTimer_.setInterval(static_cast<int>(kPanelRefreshSeconds * 1000));
    connect(&refreshTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) refreshIfDue(steadySeconds());
    });
    refreshTimer_.start();
    sweepPoll_.setInterval(kSweepPollMs);
    connect(&sweepPoll_, &QTimer::timeout, this, [this] { pollSweep(); });
    retranslate();
}

void MeasurementsWindow::retranslate() {
    const Translator& language = DesktopLanguage::current();
    setWindowTitle(QString::fromUtf8(language.tr("ORVALDE \u2014 Measurements")));
    sweepButton_->setText(QString::fromUtf8(language.tr("Measure all release heights")));
    sweepButton_->setToolTip(QString::fromUtf8(
        language.tr("Runs both pendulums without drawing from 25 release heights across the scroll bar's range, two "
                    "full periods each, and puts the measured periods on the first plot.")));
    cancelButton_->setText(QString::fromUtf8(language.tr("Cancel")));
    cancelButton_->setToolTip(QString::fromUtf8(language.tr("Stops measuring; the heights already measured stay.")));
    refreshNow();
}

void MeasurementsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

MeasurementsWindow::~MeasurementsWindow() {
    cancelSweep();
    joinWorker();
}

void MeasurementsWindow::setSideBySide(bool sideBySide) {
    plots_->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

bool MeasurementsWindow::refreshIfDue(double seconds) {
    if (measurements_.revision == shownRevision_) return false;
    if (seconds - lastRefresh_ < kPanelRefreshSeconds) return false;
    lastRefresh_ = seconds;
    refreshNow();
    return true;
}

void MeasurementsWindow::refreshNow() {
    shownRevision_ = measurements_.revision;
    const Translator& language = DesktopLanguage::current();
    QString text;
    for (const std::string& line : ReadoutText(measurements_, language)) text += QString::fromStdString(line) + "\n";
    text = text.trimmed();
    if (text != readout_->text()) readout_->setText(text);
    periodView_->setPlot(PeriodPlot(measurements_, language));
    displacementView_->setPlot(DisplacementPlot(measurements_, language));
    sweepTable_->showSweep(measurements_.sweep);
}

void MeasurementsWindow::startSweep() {
    if (sweeping_) {
        if (!run_->finished.load()) return;  // one sweep at a time
        sweepFinished();                     // done, but not yet taken
    }
    const std::vector<int> starts = sweepStarts ? sweepStarts() : std::vector<int>{};
    if (starts.empty()) return;
    auto run = std::make_unique<SweepRun>();
    // The worker shares nothing with the panel but its SweepRun; each start
    // runs in its own program instance.
    try {
        worker_ = std::thread([run = run.get(), measure = measureStart, starts] {
            try {
                run->outcome = RunSweep(
                    starts, [run] { return run->cancel.load(); }, [run](int done, int) { run->done.store(done); },
                    measure);
            } catch (const std::exception& e) {  // RunSweep catches the starts' own; this is memory
                run->outcome.error = std::string("The sweep failed: ") + e.what();
            }
            run->finished.store(true);
        });
    } catch (const std::system_error& e) {
        if (report) report(QString("The sweep could not start: %1").arg(e.what()));
        return;
    }
    run_ = std::move(run);
    sweeping_ = true;
    progress_->setValue(0);
    progress_->setRange(0, static_cast<int>(starts.size()));
    sweepButton_->setEnabled(false);
    cancelButton_->setEnabled(true);
    sweepPoll_.start();
}

void MeasurementsWindow::cancelSweep() {
    if (run_) run_->cancel = true;
}

void MeasurementsWindow::joinWorker() {
    if (worker_.joinable()) worker_.join();
}

void MeasurementsWindow::waitForWorker() { joinWorker(); }

void MeasurementsWindow::waitForSweep() {
    if (!sweeping_) return;
    sweepFinished();
}

void MeasurementsWindow::pollSweep() {
    if (!sweeping_) return;
    if (run_->finished.load()) {
        sweepFinished();
    } else {
        progress_->setValue(run_->done.load());
    }
}

void MeasurementsWindow::sweepFinished() {
    if (!sweeping_) return;
    joinWorker();
    sweepPoll_.stop();
    sweeping_ = false;
    SweepOutcome outcome = std::move(run_->outcome);
    progress_->setValue(static_cast<int>(outcome.points.size()));
    if (!outcome.points.empty()) {
        measurements_.sweep = std::move(outcome.points);
        measurements_.revision += 1;
    }
    sweepButton_->setEnabled(true);
    cancelButton_->setEnabled(false);
    refreshNow();
    if (!outcome.error.empty() && report) report(QString::fromStdString(outcome.error));
}

void MeasurementsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A label fixed in both directions is not laid out again for each new
    // text; its width follows the panel's here instead.
    const QMargins m = layout()->contentsMargins();
    readout_->setFixedWidth(std::max(0, width() - m.left() - m.right()));
}

bool MeasurementsWindow::eventFilter(QObject* watched, QEvent* event) {
    // The main window closing: stop measuring at once, so that the program
    // ends without waiting for the remaining starts.
    if (watched == window() && event->type() == QEvent::Close) cancelSweep();
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvalde
