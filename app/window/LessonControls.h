#pragma once
// The controls of a lesson around the main window: keys, pace, pause,
// tooltips, the context menu with saving, the help window and the
// measurements panel, with the period meter that feeds it. None of it
// changes the buttons, their captions or the picture.

#include <QMenu>
#include <QObject>
#include <QPointer>
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
    Pace pace() const { return pace_; }

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
    QWidget* helpWindow() const { return help_.data(); }
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
    // Both belong to the window (so they close with it); the lesson deletes
    // them first when it goes, since the panel shows the lesson's meter.
    QPointer<MeasurementsWindow> panel_;
    QPointer<QWidget> help_;
};

}  // namespace orvalde
