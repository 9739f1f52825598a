#include "app/window/LessonControls.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFocusFrame>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"
#include "app/window/AboutDialog.h"
#include "app/window/DesktopLanguage.h"
#include "app/window/LabWindow.h"
#include "app/window/ReadableOverlay.h"
#include "lesson/Spoken.h"
#include "measure/MeasurementPlots.h"
#include "measure/MeasurementsCsv.h"

namespace orvalde {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString HelpHtml(const Translator& language) {
    QString html = "<h2>" + Q(language.tr("The buttons")).toHtmlEscaped() + "</h2><table cellspacing='6'>";
    for (const HelpEntry& e : HelpButtons(language)) {
        html += "<tr><td><b>" + Q(e.title).toHtmlEscaped() + "</b></td><td>" + Q(e.text).toHtmlEscaped() + "</td></tr>";
    }
    html += "</table><p>" + Q(HelpScrollBarText(language)).toHtmlEscaped() + "</p><h2>" +
            Q(language.tr("Keys")).toHtmlEscaped() + "</h2><p>";
    for (const HelpEntry& e : HelpKeys(language)) html += Q(e.title + ": " + e.text).toHtmlEscaped() + "<br>";
    html += Q(HelpMenuText(language)).toHtmlEscaped() + "</p>";
    return html;
}

// The help window's title and text in the application's language now.
void TranslateHelpWindow(QWidget& help) {
    const Translator& language = DesktopLanguage::current();
    help.setWindowTitle(Q(HelpTitle(language)));
    if (auto* text = help.findChild<QLabel*>("helpText")) text->setText(HelpHtml(language));
}

QWidget* BuildHelpWindow(QWidget* owner) {
    auto* help = new QWidget(owner, Qt::Window);
    auto* text = new QLabel(help);
    text->setObjectName("helpText");
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    QFont font = text->font();
    font.setPixelSize(18);
    text->setFont(font);
    auto* layout = new QVBoxLayout(help);
    layout->addWidget(text);
    help->resize(900, 700);
    TranslateHelpWindow(*help);
    return help;
}

Focus FocusOf(QObject* watched, const OrvaldeWindow& window) {
    if (watched == window.scrollBar()) return Focus::ScrollBar;
    if (qobject_cast<QAbstractButton*>(watched)) return Focus::Button;
    return Focus::Elsewhere;
}

void SetDescription(QWidget& widget, const QString& text) {
    if (widget.accessibleDescription() == text) return;
    widget.setAccessibleDescription(text);
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

std::string QtKeyName(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return "";
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    std::string named;
    switch (event.key()) {
        case Qt::Key_Space: return "Space";
        case Qt::Key_Return:
        case Qt::Key_Enter: named = "Enter"; break;
        case Qt::Key_Escape: named = "Escape"; break;
        case Qt::Key_Left: named = "ArrowLeft"; break;
        case Qt::Key_Right: named = "ArrowRight"; break;
        case Qt::Key_Up: named = "ArrowUp"; break;
        case Qt::Key_Down: named = "ArrowDown"; break;
        case Qt::Key_PageUp: named = "PageUp"; break;
        case Qt::Key_PageDown: named = "PageDown"; break;
        case Qt::Key_Home: named = "Home"; break;
        case Qt::Key_End: named = "End"; break;
        case Qt::Key_Menu: named = "ContextMenu"; break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return "";
        default:
            if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35) {
                named = "F" + std::to_string(event.key() - Qt::Key_F1 + 1);
            }
    }
    if (!named.empty()) return KeyName(named, shift);
    // The character the keyboard's layout produces, not the key's position;
    // Qt's key code, which follows the layout too, when an event has no text.
    const QString text = event.text();
    if (text.size() == 1 && text[0].isPrint()) return KeyName(text.toLower().toStdString(), false);
    const int k = event.key();
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) {
        return KeyName(std::string(1, static_cast<char>(k)), false);
    }
    return "";
}

LessonControls::LessonControls(OrvaldeWindow& window)
    : window_(window),
      lesson_(LessonDevices{window.form(), window.timer1(), window.timer2(), window.xthesi(),
                            [&window](Pace pace) {
                                window.timer1().setPace(pace);
                                window.timer2().setPace(pace);
                            },
                            [&window](const std::function<void()>& handler) { window.dispatch(handler); }}) {
    lesson_.shellAction = [this](Command command) { return runShellAction(command); };
    for (int n = 1; n <= 9; ++n) {
        QPushButton* button = window_.button(n);
        const Action* action = ActionForButton(n);
        if (!button || !action) continue;
        button->installEventFilter(this);
    }
    // Tab goes through the buttons, then the scroll bar; the drawing keeps
    // the focus at first, so that Space pauses.
    QScrollBar* bar = window_.scrollBar();
    bar->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys run as a vertical one's by default: → would lower it.
    bar->setInvertedControls(false);
    bar->installEventFilter(this);
    // The bar was made before the buttons; set again on the window, it goes
    // to the end of the focus chain (setTabOrder leaves it in place on Qt 6.4).
    const QRect geometry = bar->geometry();
    bar->setParent(nullptr);
    bar->setParent(&window_);
    bar->setGeometry(geometry);
    bar->show();
    auto* focusFrame = new QFocusFrame(&window_);
    focusFrame->setWidget(bar);
    window_.setFocusPolicy(Qt::StrongFocus);
    window_.setFocus();
    window_.installEventFilter(this);
    retranslate();

    QObject::connect(bar, &QScrollBar::valueChanged, this, [this] { describeScrollBarValue(); });
    spokenTimer_.setInterval(1000);
    QObject::connect(&spokenTimer_, &QTimer::timeout, this, [this] { updateAccessibleTexts(); });
    spokenTimer_.start();

    report = [this](const QString& message) {
        auto* box = new QMessageBox(QMessageBox::Warning, "Orvalde", message, QMessageBox::Ok, &window_);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();  // not modal to the event loop: the animation goes on
    };
    overlay_ = std::make_unique<ReadableOverlay>(window_, [this] { return lesson_.pace(); });
}

LessonControls::~LessonControls() {
    for (int n = 1; n <= 9; ++n) {
        if (QPushButton* button = window_.button(n)) button->removeEventFilter(this);
    }
    window_.scrollBar()->removeEventFilter(this);
    delete panel_.data();
    delete help_.data();
    window_.removeEventFilter(this);
}

void LessonControls::retranslate() {
    const Translator& language = DesktopLanguage::current();
    for (int n = 1; n <= 9; ++n) {
        QPushButton* button = window_.button(n);
        if (const Action* action = ActionForButton(n); button && action) {
            button->setToolTip(Q(ActionHelp(action->command, language)));
        }
    }
    window_.setAccessibleName(Q(DrawingName(language)));
    describeScrollBarValue();
    updateAccessibleTexts();
    if (help_) TranslateHelpWindow(*help_);
}

void LessonControls::describeScrollBarValue() {
    SetDescription(*window_.scrollBar(),
                   Q(ReleaseHeightText(window_.form().sim(), window_.xthesi().value(), DesktopLanguage::current())));
}

void LessonControls::updateAccessibleTexts() {
    const Translator& language = DesktopLanguage::current();
    SetDescription(window_, Q(DescribeDrawing(lesson_, language)));
    if (!panel_ || !panel_->isVisible()) return;
    const Measurements& m = lesson_.measurements();
    SetDescription(panel_->readout(), Q(MeasurementsSummary(m, language)));
    for (auto [view, plot] : {std::pair{&panel_->periodView(), PeriodPlot(m, language)},
                              std::pair{&panel_->displacementView(), DisplacementPlot(m, language)}}) {
        view->setAccessibleName(Q(plot.title));
        SetDescription(*view, Q(PlotText(plot, language)));
    }
}

MeasurementsWindow& LessonControls::panel() {
    if (!panel_) {
        panel_ = new MeasurementsWindow(lesson_.measurements());
        panel_->sweepStarts = [this] { return lesson_.sweepStarts(); };
        panel_->report = [this](const QString& message) { report(message); };
        window_.dockPanel(panel_);
        window_.installEventFilter(panel_);  // a close cancels its sweep
        panel_->installEventFilter(this);    // the keys work from the panel too
        for (QAbstractButton* b : panel_->findChildren<QAbstractButton*>()) b->installEventFilter(this);
    }
    return *panel_;
}

bool LessonControls::runShellAction(Command command) {
    switch (command) {
        case Command::Measurements: toggleMeasurements(); return true;
        case Command::Help: showHelp(); return true;
        case Command::SavePicture: askAndSavePicture(); return true;
        case Command::SaveMeasurements: askAndSaveMeasurements(); return true;
        case Command::ContextMenu: openContextMenuFromKeyboard(); return true;
        case Command::Legend: toggleLegend(); return true;
        case Command::BoldLines: toggleBoldLines(); return true;
        case Command::StartAgain: startAgain(); return true;
        case Command::FullScreen: window_.toggleFullScreen(); return true;
        case Command::Language:
            DesktopLanguage::instance().switchTo(NextLanguage(DesktopLanguage::current().code()));
            return true;
        case Command::Laboratory: OpenLaboratory(&window_); return true;
        case Command::About: ShowAboutDialog(&window_); return true;
        default: return false;
    }
}

void LessonControls::startAgain() {
    lesson_.forgetPause();
    window_.startAgain();
}

void LessonControls::toggleMeasurements() {
    MeasurementsWindow& p = panel();
    const bool show = !window_.panelShown();
    if (show) p.refreshNow();
    window_.setPanelShown(show);
    p.setSideBySide(window_.layout().below);
    overlay_->place();
    if (!show) window_.setFocus();  // the keys stay with the window
}

void LessonControls::showHelp() {
    if (!help_) {
        help_ = BuildHelpWindow(&window_);
        help_->installEventFilter(this);  // re-translated with the rest
    }
    help_->show();
    help_->raise();
}

void LessonControls::toggleLegend() { overlay_->toggleLegend(); }

void LessonControls::toggleBoldLines() { overlay_->toggleBoldLines(); }

bool LessonControls::savePicture(const QString& path) {
    // The drawing itself, at the device's resolution.
    QImageWriter writer(path, "png");
    if (writer.write(window_.drawingImage())) return true;
    report(Q(Fill(DesktopLanguage::current().tr("Could not save the picture to {path}: {error}."),
                  {{"path", path.toStdString()}, {"error", writer.errorString().toStdString()}})));
    return false;
}

bool LessonControls::saveMeasurements(const QString& path) {
    std::string error;
    if (WriteTextFile(path.toStdString(), MeasurementsCsv(lesson_.measurements()), error, DesktopLanguage::current()))
        return true;
    report(QString::fromStdString(error));
    return false;
}

QMenu* LessonControls::createContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    fillContextMenu(*menu);
    menu->installEventFilter(this);  // an open menu follows a switch of language
    return menu;
}

void LessonControls::fillContextMenu(QMenu& menu) {
    const Translator& language = DesktopLanguage::current();
    menu.clear();
    menu.setAccessibleName(Q(language.tr("Menu")));
    std::optional<MenuPlace> group;
    QMenu* into = &menu;
    for (const MenuEntry& e : lesson_.contextMenu(language)) {
        if (group && *group != e.group) {
            into = &menu;
            if (!e.groupTitle.empty()) {
                into = menu.addMenu(Q(e.groupTitle));
            } else {
                menu.addSeparator();
            }
        }
        group = e.group;
        QAction* action = into->addAction(Q(e.label) + (e.keys.empty() ? QString() : "\t" + Q(e.keys)));
        action->setCheckable(e.checkable);
        action->setChecked(e.checked);
        connect(action, &QAction::triggered, this, [this, c = e.command] { press(c); });
    }
}

QMenu* LessonControls::openContextMenuFromKeyboard() {
    QMenu* menu = createContextMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QRect buttons = window_.button(7) ? window_.button(7)->geometry() : QRect();
    menu->popup(window_.mapToGlobal(QPoint(window_.width() / 4, buttons.bottom() + 40)));
    if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().first());
    return menu;
}

void LessonControls::askAndSavePicture() {
    const QString path =
        QFileDialog::getSaveFileName(&window_, Q(DesktopLanguage::current().tr("Save picture")), "orvalde.png",
                                     Q(DesktopLanguage::current().tr("PNG pictures")) + " (*.png)");
    if (!path.isEmpty()) savePicture(path);
}

void LessonControls::askAndSaveMeasurements() {
    const QString path = QFileDialog::getSaveFileName(&window_, Q(DesktopLanguage::current().tr("Save measurements")),
                                                      "orvalde-measurements.csv",
                                                      Q(DesktopLanguage::current().tr("CSV files")) + " (*.csv)");
    if (!path.isEmpty()) saveMeasurements(path);
}

bool LessonControls::keyPressed(QObject* watched, QKeyEvent* key) {
    const std::string name = QtKeyName(*key);
    if (name.empty()) return false;
    return lesson_.pressKey(name, FocusOf(watched, window_), key->isAutoRepeat());
}

bool LessonControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        if (watched == &window_) {
            // The window's own texts first, then the lesson's over them: the
            // scroll bar's description becomes the release height again.
            static_cast<QObject&>(window_).event(event);
            retranslate();
            return true;
        }
        if (auto* menu = qobject_cast<QMenu*>(watched)) fillContextMenu(*menu);
        if (help_ && watched == help_.get()) TranslateHelpWindow(*help_);
        return false;
    }
    if (event->type() == QEvent::ContextMenu && watched == &window_) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        if (e->reason() == QContextMenuEvent::Keyboard) {
            openContextMenuFromKeyboard();
            return true;
        }
        QMenu* menu = createContextMenu(&window_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    return keyPressed(watched, static_cast<QKeyEvent*>(event));
}

}  // namespace orvalde
