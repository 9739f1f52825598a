#include "app/window/LessonControls.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "app/window/ButtonLayout.h"
#include "app/window/HelpText.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"
#include "measure/MeasurementsCsv.h"

namespace orvalde {
namespace {

QString ButtonCaption(int number) {
    for (const ButtonDesign& design : kButtons) {
        if (design.number == number) return QString::fromUtf8(design.caption);
    }
    return {};
}

QWidget* BuildHelpWindow(QWidget* owner) {
    auto* help = new QWidget(owner, Qt::Window);
    help->setWindowTitle(QString::fromUtf8("ORVALDE \u2014 Help"));
    QString html = "<h2>The buttons</h2><table cellspacing='6'>";
    for (const ButtonHelp& b : kButtonHelp) {
        html += "<tr><td><b>" + ButtonCaption(b.number).toHtmlEscaped() + "</b></td><td>" +
                QString::fromUtf8(b.text).toHtmlEscaped() + "</td></tr>";
    }
    html += "</table><p>The scroll bar at the bottom left chooses where the bob starts.</p><h2>Keys</h2><p>" +
            QString::fromUtf8(kKeysHelp).toHtmlEscaped().replace("\n", "<br>") + "</p>";
    auto* text = new QLabel(html, help);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    QFont font = text->font();
    font.setPixelSize(18);
    text->setFont(font);
    auto* layout = new QVBoxLayout(help);
    layout->addWidget(text);
    help->resize(900, 640);
    return help;
}

}  // namespace

LessonControls::LessonControls(OrvaldeWindow& window) : window_(window) {
    window_.form().setTickObserver(&meter_);
    for (const ButtonHelp& b : kButtonHelp) {
        if (QPushButton* button = window_.button(b.number)) button->setToolTip(QString::fromUtf8(b.text));
    }
    // Keys go to the window, not to the scroll bar (→ is "STEP" here).
    window_.setFocusPolicy(Qt::StrongFocus);
    window_.scrollBar()->setFocusPolicy(Qt::NoFocus);
    window_.installEventFilter(this);
    report = [this](const QString& message) {
        auto* box = new QMessageBox(QMessageBox::Warning, "Orvalde", message, QMessageBox::Ok, &window_);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();  // not modal to the event loop: the animation goes on
    };
}

LessonControls::~LessonControls() {
    delete panel_.data();
    delete help_.data();
    window_.removeEventFilter(this);
    window_.form().setTickObserver(nullptr);
}

MeasurementsWindow& LessonControls::panel() {
    if (!panel_) {
        panel_ = new MeasurementsWindow(meter_.data);
        panel_->report = [this](const QString& message) { report(message); };
        window_.dockPanel(panel_);
        window_.installEventFilter(panel_);  // a close cancels its sweep
        panel_->installEventFilter(this);    // the keys work from the panel too
    }
    return *panel_;
}

void LessonControls::togglePause() {
    window_.dispatch([this] { pause_.toggle(window_.timer1(), window_.timer2()); });
}

void LessonControls::step() { window_.dispatch([this] { window_.form().Command7_Click(); }); }

void LessonControls::toggleMeasurements() {
    MeasurementsWindow& p = panel();
    const bool show = !window_.panelShown();
    if (show) p.refreshNow();
    window_.setPanelShown(show);
    p.setSideBySide(window_.layout().below);
    if (!show) window_.setFocus();  // the keys stay with the window
}

void LessonControls::showHelp() {
    if (!help_) help_ = BuildHelpWindow(&window_);
    help_->show();
    help_->raise();
}

void LessonControls::setPace(Pace pace) {
    pace_ = pace;
    window_.timer1().setPace(pace);
    window_.timer2().setPace(pace);
}

bool LessonControls::savePicture(const QString& path) {
    // The drawing itself, at the device's resolution.
    QImageWriter writer(path, "png");
    if (writer.write(window_.drawingImage())) return true;
    report("Could not save the picture to " + path + ": " + writer.errorString() + ".");
    return false;
}

bool LessonControls::saveMeasurements(const QString& path) {
    std::string error;
    if (WriteTextFile(path.toStdString(), MeasurementsCsv(meter_.data), error)) return true;
    report(QString::fromStdString(error));
    return false;
}

QMenu* LessonControls::createContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->addAction(pause_.paused() ? "Resume\tSpace" : "Pause\tSpace", this, [this] { togglePause(); });
    menu->addAction("Step the cycloidal pendulum\tS", this, [this] { step(); });
    menu->addAction("Show or hide the measurements\tM", this, [this] { toggleMeasurements(); });
    menu->addAction("Help\tF1", this, [this] { showHelp(); });
    QMenu* paceMenu = menu->addMenu("Pace");
    auto* group = new QActionGroup(paceMenu);
    const Pace paces[] = {Pace::Quarter, Pace::RealTime, Pace::PerFrame, Pace::Fast};
    for (int i = 0; i < 4; ++i) {
        QAction* action = paceMenu->addAction(QString::fromUtf8(PaceLabel(paces[i])) + "\t" + QString::number(i + 1),
                                              this, [this, pace = paces[i]] { setPace(pace); });
        action->setCheckable(true);
        action->setChecked(paces[i] == pace_);
        group->addAction(action);
    }
    menu->addSeparator();
    menu->addAction(QString::fromUtf8("Save picture\u2026"), this, [this] { askAndSavePicture(); });
    menu->addAction(QString::fromUtf8("Save measurements\u2026"), this, [this] { askAndSaveMeasurements(); });
    return menu;
}

void LessonControls::askAndSavePicture() {
    const QString path = QFileDialog::getSaveFileName(&window_, "Save picture", "orvalde.png", "PNG pictures (*.png)");
    if (!path.isEmpty()) savePicture(path);
}

void LessonControls::askAndSaveMeasurements() {
    const QString path =
        QFileDialog::getSaveFileName(&window_, "Save measurements", "orvalde-measurements.csv", "CSV files (*.csv)");
    if (!path.isEmpty()) saveMeasurements(path);
}

bool LessonControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ && watched != panel_.data()) return false;
    if (event->type() == QEvent::ContextMenu && watched == &window_) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        QMenu* menu = createContextMenu(&window_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && key->key() != Qt::Key_S && key->key() != Qt::Key_Right) return true;
    switch (key->key()) {
        case Qt::Key_Space: togglePause(); return true;
        case Qt::Key_S:
        case Qt::Key_Right: step(); return true;
        case Qt::Key_M: toggleMeasurements(); return true;
        case Qt::Key_F1: showHelp(); return true;
        case Qt::Key_1: setPace(Pace::Quarter); return true;
        case Qt::Key_2: setPace(Pace::RealTime); return true;
        case Qt::Key_3: setPace(Pace::PerFrame); return true;
        case Qt::Key_4: setPace(Pace::Fast); return true;
        default: return false;
    }
}

}  // namespace orvalde
