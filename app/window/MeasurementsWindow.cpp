#include "app/window/MeasurementsWindow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/window/DesktopLanguage.h"
#include "lesson/Spoken.h"
#include "measure/MeasurementPlots.h"
#include "measure/ReleaseHeightSweep.h"

namespace orvalde {

double MeasurementsWindow::steadySeconds() {
    QElapsedTimer clock;
    clock.start();
    return static_cast<double>(clock.msecsSinceReference()) * 1e-3;
}

MeasurementsWindow::MeasurementsWindow(Measurements& measurements, QWidget* parent)
    : QWidget(parent, Qt::Window), measurements_(measurements) {
    QFont large = font();
    large.setPixelSize(20);
    setFont(large);

    readout_ = new QLabel(this);
    readout_->setTextFormat(Qt::PlainText);
    readout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed height: a new text then repaints the label alone, not the plots.
    readout_->setFixedHeight(4 * 28);
    periodView_ = new PlotView(this);
    displacementView_ = new PlotView(this);
    sweepButton_ = new QPushButton(this);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, kSweepStarts);
    progress_->setValue(0);
    sweepTable_ = new SweepTableView(this);

    auto* plots = new QHBoxLayout;
    plots->addWidget(periodView_);
    plots->addWidget(displacementView_);
    auto* sweepRow = new QHBoxLayout;
    sweepRow->addWidget(sweepButton_);
    sweepRow->addWidget(progress_, 1);
    sweepRow->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readout_);
    layout->addLayout(plots, 1);
    layout->addWidget(sweepTable_);
    layout->addLayout(sweepRow);
    resize(1400, 720);

    connect(sweepButton_, &QPushButton::clicked, this, [this] { startSweep(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelSweep(); });
    refreshTimer_.setInterval(static_cast<int>(kPanelRefreshSeconds * 1000));
    connect(&refreshTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) refreshIfDue(steadySeconds());
    });
    refreshTimer_.start();
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
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
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
    readout_->setText(text.trimmed());
    periodView_->setPlot(PeriodPlot(measurements_, language));
    displacementView_->setPlot(DisplacementPlot(measurements_, language));
    sweepTable_->showSweep(measurements_.sweep);
}

void MeasurementsWindow::startSweep() {
    if (worker_.joinable()) {
        if (!finished_) return;  // one sweep at a time
        worker_.join();
    }
    const std::vector<int> starts = sweepStarts ? sweepStarts() : std::vector<int>{};
    if (starts.empty()) return;
    cancel_ = false;
    finished_ = false;
    progress_->setValue(0);
    sweepButton_->setEnabled(false);
    cancelButton_->setEnabled(true);
    // Each start runs in its own program instance: the worker shares nothing
    // with the window but the cancel flag and the progress it posts.
    progress_->setRange(0, static_cast<int>(starts.size()));
    worker_ = std::thread([this, starts] {
        sweepResult_ = MeasureReleaseHeights(starts, cancel_, [this](int done, int) {
            QMetaObject::invokeMethod(
                this, [this, done] { progress_->setValue(done); }, Qt::QueuedConnection);
        });
        finished_ = true;
        QMetaObject::invokeMethod(
            this, [this] { sweepFinished(); }, Qt::QueuedConnection);
    });
}

void MeasurementsWindow::cancelSweep() { cancel_ = true; }

void MeasurementsWindow::waitForSweep() {
    if (!worker_.joinable()) return;
    worker_.join();
    sweepFinished();
}

void MeasurementsWindow::sweepFinished() {
    if (worker_.joinable()) worker_.join();  // already done: returns at once
    if (!finished_) return;
    finished_ = false;
    progress_->setValue(static_cast<int>(sweepResult_.size()));
    if (!sweepResult_.empty()) {
        measurements_.sweep = std::move(sweepResult_);
        measurements_.revision += 1;
    }
    sweepResult_.clear();
    sweepButton_->setEnabled(true);
    cancelButton_->setEnabled(false);
    refreshNow();
}

}  // namespace orvalde
