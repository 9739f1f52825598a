#include "app/window/ReadableOverlay.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "app/window/DesktopLanguage.h"
#include "app/window/OrvaldeWindow.h"
#include "display/Legend.h"
#include "display/ReadableLayout.h"
#include "display/ReadableText.h"

namespace orvalde {
namespace {

constexpr int kRowHeight = 20;
constexpr int kSwatchWidth = 34;
constexpr int kPad = 8;

QString Tr(const char* msgid) { return QString::fromUtf8(DesktopLanguage::current().tr(msgid)); }

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QRect ToQRect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }
PixelRect ToPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

void DrawSwatch(QPainter& p, const LegendEntry& e, const QRect& box) {
    const QColor colour = ToQColor(e.colour);
    const int y = box.center().y(), x1 = box.left() + 2, x2 = box.right() - 2;
    p.setBrush(Qt::NoBrush);
    switch (e.swatch) {
        case Swatch::Arrow:
            p.setPen(QPen(colour, 2));
            p.drawLine(x1, y, x2, y);
            p.drawLine(x2, y, x2 - 6, y - 4);
            p.drawLine(x2, y, x2 - 6, y + 4);
            break;
        case Swatch::Line:
            p.setPen(QPen(colour, 2));
            p.drawLine(x1, y, x2, y);
            break;
        case Swatch::ThinLine:
            p.setPen(QPen(colour, 1));
            p.drawLine(x1, y, x2, y);
            break;
        case Swatch::Dashed:
            p.setPen(QPen(colour, 1, Qt::DashLine));
            p.drawLine(x1, y, x2, y);
            break;
        case Swatch::Dots:
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            for (int x = x1 + 3; x < x2; x += 9) p.drawEllipse(QPoint(x, y), 2, 2);
            break;
        case Swatch::Dot:
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(QPoint((x1 + x2) / 2, y), 4, 4);
            break;
        case Swatch::Ring:
            p.setPen(QPen(colour, 1));
            p.drawEllipse(QPoint((x1 + x2) / 2, y), 8, 8);
            break;
        case Swatch::Arc:
            p.setPen(QPen(colour, 2));
            p.drawArc(QRect(x1, y - 16, x2 - x1, 24), 200 * 16, 140 * 16);
            break;
    }
}

}  // namespace

LegendWidget::LegendWidget(QWidget* parent) : QWidget(parent) {
    QFont f = font();
    f.setPixelSize(14);
    setFont(f);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // right clicks reach the drawing's menu
    translate();
}

void LegendWidget::translate() {
    labels_.clear();
    for (const LegendEntry& e : LegendEntries()) labels_ << Tr(e.label);
    setAccessibleName(Tr(text::kLegendTitle));
    setAccessibleDescription(labels_.join(", "));
    picture_ = QImage();
    update();
}

bool LegendWidget::fitInto(const QRect& area) {
    const QFontMetrics metrics(font());
    int label = 0;
    for (const QString& text : labels_) label = std::max(label, metrics.horizontalAdvance(text));
    columnWidth_ = kSwatchWidth + 6 + label + kPad;
    const int entries = static_cast<int>(LegendEntries().size());
    rows_ = std::max(1, (area.height() - 2 * kPad) / kRowHeight);
    const int columns = (entries + rows_ - 1) / rows_;
    rows_ = (entries + columns - 1) / columns;  // balanced columns
    const QSize size(columns * columnWidth_ + kPad, rows_ * kRowHeight + 2 * kPad);
    if (size.width() > area.width() || size.height() > area.height()) return false;
    picture_ = QImage();  // the same size may hold other columns
    setGeometry(QRect(area.topRight() - QPoint(size.width() - 1, 0), size));
    return true;
}

void LegendWidget::paintEvent(QPaintEvent* event) {
    // The key lies over the drawing, which changes under it every tick: it
    // is painted once into a picture of its own (transparent where the
    // drawing shows through) and only that is laid over the drawing.
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.size() != size() * ratio || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::transparent);
        QPainter p(&picture_);
        paintKey(p);
    }
    QPainter p(this);
    for (const QRect& r : event->region()) {
        p.drawImage(QRectF(r), picture_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    }
}

void LegendWidget::paintKey(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    int i = 0;
    for (const LegendEntry& e : LegendEntries()) {
        const int column = i / rows_, row = i % rows_;
        const QRect cell(kPad + column * columnWidth_, kPad + row * kRowHeight, columnWidth_, kRowHeight);
        DrawSwatch(p, e, QRect(cell.left(), cell.top(), kSwatchWidth, kRowHeight));
        p.setPen(Qt::black);
        p.drawText(cell.adjusted(kSwatchWidth + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, labels_.value(i));
        ++i;
    }
}

ReadableOverlay::ReadableOverlay(OrvaldeWindow& window, std::function<Pace()> pace)
    : window_(window), pace_(std::move(pace)), legend_(new LegendWidget(&window)), status_(new QLabel(&window)) {
    status_->setTextFormat(Qt::PlainText);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    status_->setAttribute(Qt::WA_TransparentForMouseEvents);
    status_->setAccessibleName(Tr(text::kStatusName));
    status_->setStyleSheet(
        "QLabel { background: rgba(255, 255, 255, 225); border: 1px solid #5a5a5a; "
        "padding: 2px 8px; font-size: 15px; color: black; }");
    for (int n = 1; n <= 9; ++n) {
        if (QPushButton* b = window_.button(n)) {
            connect(b, &QPushButton::clicked, this,
                    [this, n] { view_.buttonPressed(n, window_.timer1(), window_.timer2(), steadySeconds()); });
        }
    }
    window_.installEventFilter(this);
    timer_.setInterval(static_cast<int>(kStatusRefreshSeconds * 1000));
    connect(&timer_, &QTimer::timeout, this, [this] { refreshStatus(steadySeconds()); });
    timer_.start();
    place();
    refreshStatus(steadySeconds());
}

ReadableOverlay::~ReadableOverlay() {
    window_.removeEventFilter(this);
    delete legend_;
    delete status_;
}

double ReadableOverlay::steadySeconds() {
    QElapsedTimer clock;
    clock.start();
    return static_cast<double>(clock.msecsSinceReference()) * 1e-3;
}

void ReadableOverlay::toggleLegend() {
    view_.toggleLegend();
    place();
}

void ReadableOverlay::toggleBoldLines() {
    window_.dispatch([this] { view_.toggleBoldLines(window_.surface()); });
}

void ReadableOverlay::place() {
    ScreenLayoutInput in;
    in.clientWidth = window_.width();
    in.clientHeight = window_.height();
    in.world = window_.surface().world();
    // While the measurements panel is docked, the drawing is shown smaller and
    // the key and the status line keep to what is left of the window.
    in = DockedScreen(in, window_.layout());
    for (int n = 1; n <= 9; ++n) {
        if (QPushButton* b = window_.button(n)) in.buttons = Union(in.buttons, ToPixelRect(b->geometry()));
    }
    in.scrollBar = ToPixelRect(window_.scrollBar()->geometry());
    fits_ = false;
    for (const PixelRect& place : LegendPlaces(in)) {
        if (legend_->fitInto(ToQRect(place))) {
            fits_ = true;
            break;
        }
    }
    legend_->setVisible(fits_ && view_.legendShown());
    const PixelRect status = StatusPlace(in);
    status_->setGeometry(ToQRect(status));
    status_->setVisible(!status.empty());
    legend_->raise();
    status_->raise();
}

void ReadableOverlay::refreshStatus(double seconds) {
    if (view_.statusDue(seconds)) showStatus(seconds);
}

void ReadableOverlay::showStatus(double seconds) {
    const StatusFacts facts =
        ReadStatus(window_.form().sim(), window_.timer1(), window_.timer2(), window_.xthesiControl(), pace_());
    const QString text = QString::fromStdString(view_.status(facts, seconds, DesktopLanguage::current()));
    if (text != status_->text()) status_->setText(text);
}

bool ReadableOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) place();
    if (event->type() == QEvent::LanguageChange) {
        legend_->translate();
        status_->setAccessibleName(Tr(text::kStatusName));
        place();  // the labels' widths changed
        showStatus(steadySeconds());
    }
    return false;
}

}  // namespace orvalde
