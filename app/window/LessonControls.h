#pragma once
// The controls of a lesson around the main window: keys, pace, pause,
// tooltips, the context menu with saving, the help window and the
// measurements panel, with the period meter that feeds it. None of it
// changes the buttons, their captions or the picture.

#include <QMenu>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "measure/PauseSwitch.h"
#include "measure/ProgramMeter.h"
#include "measure/TickPacer.h"

class QWidget;

namespace orvalde {

class OrvaldeWindow;
class MeasurementsWindow;
class ReadableOverlay;

class LessonControls : public QObject {
public:
    // Attaches to the window, which must outlive it.
    explicit LessonControls(OrvaldeWindow& window);
    ~LessonControls() override;

    void togglePause();
    void step();
    void toggleMeasurements();
    void showHelp();
    void setPace(Pace pace);
    // The window's start-up again at its current size (OrvaldeWindow::startAgain),
    // forgetting what the pause stopped: nothing is left to resume.
    void startAgain();
    Pace pace() const { return pace_; }
    // The key to the drawing (shown at first) and bold lines (off at first).
    void toggleLegend();
    void toggleBoldLines();
    ReadableOverlay& overlay() { return *overlay_; }

    // Return false, and report why, when the file could not be written.
    bool savePicture(const QString& path);
    bool saveMeasurements(const QString& path);

    // The drawing's context menu; the caller owns it.
    QMenu* createContextMenu(QWidget* parent);

    // Where failures are told; by default a message box that does not stop
    // the animation.
    std::function<void(const QString&)> report;

    const Measurements& measurements() const { return meter_.data; }
    MeasurementsWindow& panel();
    QWidget* helpWindow() const { return help_.get(); }
    bool paused() const { return pause_.paused(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askAndSavePicture();
    void askAndSaveMeasurements();

    OrvaldeWindow& window_;
    ProgramMeter meter_;
    PauseSwitch pause_;
    Pace pace_ = kDefaultPace;
    std::unique_ptr<MeasurementsWindow> panel_;
    std::unique_ptr<QWidget> help_;
    std::unique_ptr<ReadableOverlay> overlay_;
};

}  // namespace orvalde
