#include "app/window/LabWindow.h"

#include <utility>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/window/DesktopLanguage.h"
#include "app/window/LabPainter.h"
#include "lab/LabScene.h"
#include "lab/LabTexts.h"
#include "lab/RaceReport.h"

namespace orvalde {

// The drawing: the scene painted from the session, the pointer handed to it.
class LabCanvas : public QWidget {
public:
    LabCanvas(LabSession& session, LabWindow& window) : QWidget(&window), session_(session), window_(window) {
        setMinimumSize(640, 420);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter_.paintFrame(painter, session_);
    }
    void resizeEvent(QResizeEvent*) override { session_.setView(width(), height()); }
    void mousePressEvent(QMouseEvent* e) override {
        if (session_.pointerDown(e->position().x(), e->position().y())) changed();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (session_.pointerMove(e->position().x(), e->position().y())) changed();
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        session_.pointerUp();
        changed();
    }

private:
    void changed() {
        update();
        window_.refresh();
    }
    LabSession& session_;
    LabWindow& window_;
    LabPainter painter_;
};

namespace {

QPushButton* Button(QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setFocusPolicy(Qt::NoFocus);  // Space and the arrows stay with the race
    return b;
}

QDoubleSpinBox* Spin(double low, double high, double step, int decimals, QWidget* parent) {
    auto* s = new QDoubleSpinBox(parent);
    s->setRange(low, high);
    s->setSingleStep(step);
    s->setDecimals(decimals);
    s->setKeyboardTracking(false);
    return s;
}

}  // namespace

LabWindow::LabWindow(QWidget* parent, const LabSetup& setup) : QWidget(parent, Qt::Window), session_(setup) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    canvas_ = new LabCanvas(session_, *this);

    auto* side = new QWidget(this);
    side->setFixedWidth(380);
    auto* column = new QVBoxLayout(side);
    auto* row1 = new QHBoxLayout;
    release_ = Button(side);
    pause_ = Button(side);
    step_ = Button(side);
    reset_ = Button(side);
    row1->addWidget(release_);
    row1->addWidget(pause_);
    row1->addWidget(step_);
    row1->addWidget(reset_);
    column->addLayout(row1);
    even_ = Button(side);
    column->addWidget(even_);

    auto* form = new QFormLayout;
    pace_ = new QComboBox(side);
    for (Pace p : {Pace::Quarter, Pace::RealTime, Pace::PerFrame, Pace::Fast})
        pace_->addItem(QString::fromUtf8(PaceLabel(p)));
    paceLabel_ = new QLabel(side);
    form->addRow(paceLabel_, pace_);
    gravity_ = new QComboBox(side);
    for (const GravityPreset& g : kGravityPresets) gravity_->addItem(QString(), g.gravity);
    gravity_->addItem(QString());
    gravityLabel_ = new QLabel(side);
    form->addRow(gravityLabel_, gravity_);
    auto* gravityRow = new QHBoxLayout;
    gravityValue_ = new QLabel(side);
    reveal_ = Button(side);
    gravityRow->addWidget(gravityValue_, 1);
    gravityRow->addWidget(reveal_);
    form->addRow(QString(), gravityRow);
    length_ = Spin(0.25, 100, 0.25, 2, side);
    mass_ = Spin(0.01, 1000, 0.5, 2, side);
    damping_ = Spin(0, 10, 0.01, 3, side);
    lengthLabel_ = new QLabel(side);
    massLabel_ = new QLabel(side);
    dampingLabel_ = new QLabel(side);
    form->addRow(lengthLabel_, length_);
    form->addRow(massLabel_, mass_);
    form->addRow(dampingLabel_, damping_);
    column->addLayout(form);

    message_ = new QLabel(side);
    message_->setWordWrap(true);
    message_->setStyleSheet("color: #b00000");
    column->addWidget(message_);
    table_ = new QTableWidget(0, 5, side);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    column->addWidget(table_, 1);
    spread_ = new QLabel(side);
    spread_->setWordWrap(true);
    QFont bold = spread_->font();
    bold.setBold(true);
    spread_->setFont(bold);
    spread_->setMinimumHeight(spread_->fontMetrics().lineSpacing() * 3);
    column->addWidget(spread_);
    help_ = new QLabel(side);
    help_->setWordWrap(true);
    help_->setMinimumHeight(help_->fontMetrics().lineSpacing() * 5);
    column->addWidget(help_);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addWidget(side);

    // Each button runs one of the session's actions, then shows what it did.
    const std::pair<QPushButton*, void (LabSession::*)()> actions[] = {
        {release_, &LabSession::release}, {pause_, &LabSession::togglePause}, {step_, &LabSession::step},
        {reset_, &LabSession::reset},     {even_, &LabSession::evenHeights},  {reveal_, &LabSession::revealGravity}};
    for (const auto& [button, action] : actions) {
        connect(button, &QPushButton::clicked, this, [this, action = action] {
            (session_.*action)();
            refresh();
        });
    }
    connect(pace_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!updating_) session_.setPace(static_cast<Pace>(i));
    });
    connect(gravity_, &QComboBox::activated, this, [this](int i) { chooseGravity(i); });
    auto number = [this](double(LabParameters::*field)) {
        return [this, field](double v) {
            if (updating_) return;
            LabParameters p = session_.race().parameters();
            p.*field = v;
            applyParameters(p);
        };
    };
    connect(length_, &QDoubleSpinBox::valueChanged, this, number(&LabParameters::length));
    connect(mass_, &QDoubleSpinBox::valueChanged, this, number(&LabParameters::mass));
    connect(damping_, &QDoubleSpinBox::valueChanged, this, number(&LabParameters::damping));

    connect(&timer_, &QTimer::timeout, this, [this] { frame(); });
    timer_.start(15);
    clock_.start();
    resize(1500, 860);
    retranslate();
    canvas_->setFocus();
}

QWidget* LabWindow::canvas() const { return canvas_; }

void LabWindow::retranslate() {
    using namespace labtext;
    const Translator& language = DesktopLanguage::current();
    auto text = [&](const char* msgid) { return QString::fromUtf8(language.tr(msgid)); };
    session_.setLanguage(language);
    setWindowTitle(text(kWindowTitle));
    release_->setText(text(kRelease));
    step_->setText(text(kStep));
    reset_->setText(text(kReset));
    even_->setText(text(kEvenHeights));
    reveal_->setText(text(kRevealGravity));
    paceLabel_->setText(text(kPaceLabel));
    gravityLabel_->setText(text(kGravityLabel));
    lengthLabel_->setText(text(kLengthLabel));
    massLabel_->setText(text(kMassLabel));
    dampingLabel_->setText(text(kDampingLabel));
    help_->setText(text(kHelp));
    for (std::size_t i = 0; i < std::size(kGravityPresets); ++i)
        gravity_->setItemText(static_cast<int>(i),
                              QString::fromStdString(GravityPresetLabel(kGravityPresets[i], language)));
    gravity_->setItemText(static_cast<int>(std::size(kGravityPresets)), text(kPlanetX));
    table_->setHorizontalHeaderLabels(
        {text(kColumnTrack), text(kColumnBob), text(kColumnHeight), text(kColumnArrival), text(kColumnTheory)});
    // The spin boxes write and read numbers the language's way ("0,25").
    QLocale locale(QString::fromUtf8(language.code()));
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    updating_ = true;
    for (QDoubleSpinBox* spin : {length_, mass_, damping_}) {
        spin->setLocale(locale);
        spin->setValue(spin->value());  // re-written in the new format
    }
    updating_ = false;
    message_->clear();  // a refusal stays in the language it was given in
    shown_ = 0;
    refresh();
}

void LabWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void LabWindow::applyParameters(LabParameters p) {
    const std::string why = session_.setParameters(p);
    message_->setText(QString::fromStdString(why));
    refresh();
}

void LabWindow::chooseGravity(int index) {
    LabParameters p = session_.race().parameters();
    if (index >= static_cast<int>(std::size(kGravityPresets))) {
        session_.choosePlanetX(QRandomGenerator::global()->generateDouble());
        message_->clear();
        refresh();
        return;
    }
    p.gravity = kGravityPresets[index].gravity;
    applyParameters(p);
}

void LabWindow::frame() {
    if (session_.frame(static_cast<double>(clock_.nsecsElapsed()) * 1e-9)) refresh();
}

void LabWindow::refresh() {
    if (session_.revision() == shown_) return;
    shown_ = session_.revision();
    canvas_->update();
    updating_ = true;
    const LabParameters& p = session_.race().parameters();
    release_->setEnabled(!session_.released());
    const Translator& language = session_.language();
    pause_->setText(QString::fromUtf8(language.tr(session_.paused() ? labtext::kResume : labtext::kPause)));
    pace_->setCurrentIndex(static_cast<int>(session_.pace()));
    length_->setValue(p.length);
    mass_->setValue(p.mass);
    damping_->setValue(p.damping);
    reveal_->setVisible(session_.gravityHidden());
    gravityValue_->setText(QString::fromStdString(session_.gravityText()));
    const std::vector<ArrivalRow> rows = ArrivalRows(session_.race());
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> cells = ArrivalCells(rows[r], language);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const QString text = QString::fromStdString(cells[c]);
            QTableWidgetItem* item = table_->item(static_cast<int>(r), static_cast<int>(c));
            if (!item) {
                item = new QTableWidgetItem;
                table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
            }
            if (item->text() != text) item->setText(text);
        }
    }
    QString spread;
    if (session_.released()) {
        for (const std::string& line : SpreadSentences(session_.race(), language))
            spread += QString::fromStdString(line) + "\n";
    } else {
        spread = QString::fromUtf8(language.tr(labtext::kNotReleased));
    }
    spread_->setText(spread.trimmed());
    updating_ = false;
}

void LabWindow::keyPressEvent(QKeyEvent* event) {
    std::optional<LabKey> key;
    switch (event->key()) {
        case Qt::Key_Up: key = LabKey::Up; break;
        case Qt::Key_Down: key = LabKey::Down; break;
        case Qt::Key_Left: key = LabKey::Left; break;
        case Qt::Key_Right: key = LabKey::Right; break;
        case Qt::Key_Space: key = LabKey::Space; break;
        case Qt::Key_S: key = LabKey::Step; break;
        case Qt::Key_R: key = LabKey::Reset; break;
        case Qt::Key_E: key = LabKey::EvenHeights; break;
        case Qt::Key_1: key = LabKey::Pace1; break;
        case Qt::Key_2: key = LabKey::Pace2; break;
        case Qt::Key_3: key = LabKey::Pace3; break;
        case Qt::Key_4: key = LabKey::Pace4; break;
        default: break;
    }
    if (key && session_.key(*key)) {
        refresh();
        return;
    }
    QWidget::keyPressEvent(event);
}

LabWindow* OpenLaboratory(QWidget* owner) {
    LabWindow* lab = owner ? owner->findChild<LabWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!lab) lab = new LabWindow(owner);
    lab->show();
    lab->raise();
    lab->activateWindow();
    return lab;
}

}  // namespace orvalde
