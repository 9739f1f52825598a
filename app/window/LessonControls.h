#pragma once
// Binds the lesson (lesson/Lesson.h) to the window: keys routed from the
// focused widget, the buttons' tooltips, the context menu and help window
// generated from the action table, saving, the measurements panel, and what
// assistive technology reads. None of it changes the buttons, their captions
// or the picture.

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "lesson/Lesson.h"

class QKeyEvent;
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

    // Runs any command of the action table.
    void press(Command command) { lesson_.press(command); }
    void togglePause() { press(Command::Pause); }
    void step() { press(Command::Step); }
    void toggleMeasurements();
    void showHelp();
    void setPace(Pace pace) { lesson_.setPace(pace); }
    Pace pace() const { return lesson_.pace(); }
    // The window's start-up again at its current size (OrvaldeWindow::startAgain),
    // forgetting what the pause stopped: nothing is left to resume.
    void startAgain();
    // The key to the drawing (shown at first) and bold lines (off at first).
    void toggleLegend();
    void toggleBoldLines();
    ReadableOverlay& overlay() { return *overlay_; }

    // Return false, and report why, when the file could not be written.
    bool savePicture(const QString& path);
    bool saveMeasurements(const QString& path);

    // The drawing's context menu; the caller owns it.
    QMenu* createContextMenu(QWidget* parent);
    // Opens it over the drawing with its first item active, as the Menu key
    // and Shift+F10 do.
    QMenu* openContextMenuFromKeyboard();

    // Where failures are told; by default a message box that does not stop
    // the animation.
    std::function<void(const QString&)> report;

    const Measurements& measurements() const { return lesson_.measurements(); }
    MeasurementsWindow& panel();
    QWidget* helpWindow() const { return help_.data(); }
    bool paused() const { return lesson_.paused(); }
    Lesson& lesson() { return lesson_; }

    // Brings the accessible description and summary up to date (the lesson's
    // timer does this once a second).
    void updateAccessibleTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every text this binds (tooltips, help, the drawing's and the scroll
    // bar's accessible texts) in the application's language now.
    void retranslate();
    void describeScrollBarValue();
    void fillContextMenu(QMenu& menu);
    bool runShellAction(Command command);
    bool keyPressed(QObject* watched, QKeyEvent* key);
    void askAndSavePicture();
    void askAndSaveMeasurements();

    OrvaldeWindow& window_;
    Lesson lesson_;
    // Both belong to the window (so they close with it); the lesson deletes
    // them first when it goes, since the panel shows the lesson's meter.
    QPointer<MeasurementsWindow> panel_;
    QPointer<QWidget> help_;
    std::unique_ptr<ReadableOverlay> overlay_;
    QTimer spokenTimer_;
};

// The logical key of a Qt key event under the action table's names ("m",
// "Space", "ArrowRight", "Shift+F10"); "" for a key with Ctrl, Alt or Meta.
std::string QtKeyName(const QKeyEvent& event);

}  // namespace orvalde
