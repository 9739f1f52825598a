#include "app/window/OrvaldeWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>

#include "app/window/ButtonFont.h"
#include "app/window/DesktopLanguage.h"
#include "app/window/FrameExtents.h"
#include "lesson/Actions.h"
#include "lesson/ButtonLayout.h"
#include "surface/qt/HandlerGate.h"

namespace orvalde {

OrvaldeWindow::OrvaldeWindow(std::optional<QSize> screenOverride)
    : screenOverride_(screenOverride),
      // The screen's own byte order, so that painting copies without converting.
      surface_(1, 1, QGuiApplication::primaryScreen()->devicePixelRatio(), ChannelOrder::Bgrx),
      bar_(new QScrollBar(Qt::Horizontal, this)),
      xthesi_(bar_, surface_),
      messages_(this) {
    setWindowTitle("ORVALDE");
    setAttribute(Qt::WA_OpaquePaintEvent);
    const double dpi = screenOverride ? 96.0 : QGuiApplication::primaryScreen()->logicalDotsPerInch();
    for (const ButtonDesign& design : kButtons) {
        auto* button = new CommandButton(QString::fromUtf8(design.caption), this);
        button->setGeometry(TwipsToPixels(design.left, dpi), TwipsToPixels(design.top, dpi),
                            TwipsToPixels(design.width, dpi), TwipsToPixels(design.height, dpi));
        button->setAccessibleName(button->text());
        buttons_[static_cast<std::size_t>(design.number)] = button;
    }
    // Its right column lies under its neighbour's left one: above it, its
    // caption shows to the last letter.
    buttons_[static_cast<std::size_t>(kRaisedButton)]->raise();
    std::array<CommandButton*, 9> all{};
    std::copy(buttons_.begin() + 1, buttons_.end(), all.begin());
    FitButtonFont(all, font());
    retranslate();
    bar_->setGeometry(TwipsToPixels(240, dpi), TwipsToPixels(2280, dpi), TwipsToPixels(2055, dpi),
                      TwipsToPixels(495, dpi));
    bar_->setRange(0, 32767);
    bar_->setValue(0);

    form_ = std::make_unique<OrvaldeForm>(
        FormDevices{*this, surface_, xthesi_, timer1_, timer2_, messages_, &DesktopLanguage::current()});
    OrvaldeForm& f = *form_;
    for (int n = 1; n <= 9; ++n) {
        connect(buttons_[static_cast<std::size_t>(n)], &QPushButton::clicked, this,
                [this, &f, n] { dispatch([&f, n] { f.press(n); }); });
    }
    xthesi_.onChange = [this, &f] { dispatch([&f] { f.xthesi_Change(); }); };
    timer1_.onTick = [this, &f] { dispatch([&f] { f.Timer1_Timer(); }); };
    timer2_.onTick = [this, &f] { dispatch([&f] { f.Timer2_Timer(); }); };
}

OrvaldeWindow::~OrvaldeWindow() {
    xthesi_.onChange = nullptr;
    timer1_.onTick = nullptr;
    timer2_.onTick = nullptr;
}

void OrvaldeWindow::retranslate() {
    const Translator& language = DesktopLanguage::current();
    for (const ButtonDesign& design : kButtons) {
        if (const Action* action = ActionForButton(design.number)) {
            buttons_[static_cast<std::size_t>(design.number)]->setAccessibleDescription(
                QString::fromStdString(ActionHelp(action->command, language)));
        }
    }
    bar_->setAccessibleName(QString::fromUtf8(language.tr("Start position")));
    bar_->setAccessibleDescription(
        QString::fromUtf8(language.tr("Where the bob starts; the apparatus is drawn for that position")));
}

void OrvaldeWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

CommandButton* OrvaldeWindow::button(int number) const {
    return number >= 1 && number <= 9 ? buttons_[static_cast<std::size_t>(number)] : nullptr;
}

void OrvaldeWindow::start() {
    dispatch([this] { form_->Main(); });
}

void OrvaldeWindow::startAgain() {
    dispatch([this] {
        surface_.reset(width(), height());
        form_->StartAgain();
    });
}

void OrvaldeWindow::toggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void OrvaldeWindow::dispatch(const std::function<void()>& handler) {
    {
        HandlerGate::Scope scope;
        handler();
    }
    repaintChanged();
}

QRegion OrvaldeWindow::takeDirtyRegion() {
    // The bands of rectangles do not overlap, so QRegion takes them as they are.
    const std::vector<PixelRect> rects = surface_.takeDirtyLogicalRects();
    std::vector<QRect> qrects;
    qrects.reserve(rects.size());
    for (const PixelRect& r : rects) qrects.emplace_back(r.x, r.y, r.width, r.height);
    QRegion region;
    region.setRects(qrects.data(), static_cast<int>(qrects.size()));
    return region;
}

void OrvaldeWindow::repaintChanged() {
    const QRegion dirty = takeDirtyRegion();
    if (!dirty.isEmpty()) update(dirty);
}

QSize OrvaldeWindow::screenSize() const {
    if (screenOverride_) return *screenOverride_;
    return QGuiApplication::primaryScreen()->availableGeometry().size();
}

QMargins OrvaldeWindow::frame() {
    // Before the window is shown Qt knows no frame; the window manager is
    // asked once, at the first sizing.
    if (!frame_) frame_ = screenOverride_ ? QMargins() : EstimateFrameExtents(*this).value_or(QMargins());
    return *frame_;
}

double OrvaldeWindow::screenWidth() const { return screenSize().width(); }
double OrvaldeWindow::screenHeight() const { return screenSize().height(); }

void OrvaldeWindow::setOuterHeight(double h) {
    const QMargins m = frame();
    resize(width(), std::max(1, static_cast<int>(h) - m.top() - m.bottom()));
    surface_.ensureSize(width(), height());
}

void OrvaldeWindow::setOuterWidth(double w) {
    const QMargins m = frame();
    resize(std::max(1, static_cast<int>(w) - m.left() - m.right()), height());
    surface_.ensureSize(width(), height());
}

void OrvaldeWindow::moveTo(double left, double top) {
    // Positions are the frame's, within the screen's available area (which a
    // panel at the top or left moves away from the screen's corner).
    const QPoint origin = screenOverride_ ? QPoint() : QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    QPoint position = origin + QPoint(static_cast<int>(left), static_cast<int>(top));
    // Where Qt knows no frame yet (X11 before the window is mapped) it places
    // the client area, so the frame the window manager announced is added.
    const QWindow* handle = windowHandle();
    if (!handle || handle->frameMargins().isNull()) position += QPoint(frame().left(), frame().top());
    move(position);
}

void OrvaldeWindow::showWindow() { show(); }

QImage OrvaldeWindow::drawingImage() const {
    // The surface's pixels as they are (B, G, R, 255: Qt's RGB32): the
    // read-only constructor copies nothing.
    const PixelImage& pixels = surface_.image();
    QImage image(pixels.data(), pixels.width(), pixels.height(), pixels.bytesPerLine(), QImage::Format_RGB32);
    image.setDevicePixelRatio(surface_.devicePixelRatio());
    return image;
}

void OrvaldeWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage image = drawingImage();
    const qreal ratio = image.devicePixelRatio();
    for (const QRect& r : event->region()) {
        const QRectF source(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
        painter.drawImage(QRectF(r), image, source);
        paintedArea_ += static_cast<std::uint64_t>(r.width()) * static_cast<std::uint64_t>(r.height());
    }
}

void OrvaldeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The drawing only ever grows with the window, so a resize loses nothing.
    surface_.ensureSize(width(), height());
    surface_.takeDirtyRects();
    update();
}

}  // namespace orvalde
