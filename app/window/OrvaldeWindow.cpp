#include "app/window/OrvaldeWindow.h"

#include <QGuiApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>

#include "app/window/ButtonFont.h"
#include "app/window/DesktopLanguage.h"
#include "app/window/FrameExtents.h"
#include "display/ReadableLayout.h"
#include "lesson/Actions.h"
#include "lesson/ButtonLayout.h"
#include "surface/qt/HandlerGate.h"
#include "surface/raster/RectBands.h"

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
    std::vector<PixelRect> rects;
    if (layout_.drawingScale != 1) {
        // The smaller copy follows the drawing where it changed; what it
        // redid is what the screen needs.
        const bool fresh = syncScaled();
        const std::vector<PixelRect> changed = surface_.takeDirtyRects();
        if (fresh) return rect();
        rects = scaled_.update(surface_.image(), changed);
        const double ratio = surface_.devicePixelRatio();
        if (ratio != 1) {
            // Rounded outward to logical pixels, neighbours may overlap again.
            for (PixelRect& r : rects) {
                const QRect logical =
                    QRectF(r.x / ratio, r.y / ratio, r.width / ratio, r.height / ratio).toAlignedRect();
                r = {logical.x(), logical.y(), logical.width(), logical.height()};
            }
            rects = UnionAsBands(rects);
        }
    } else {
        rects = surface_.takeDirtyLogicalRects();
    }
    // Bands of rectangles that do not overlap: QRegion takes them as they are.
    std::vector<QRect> qrects;
    qrects.reserve(rects.size());
    for (const PixelRect& r : rects) qrects.emplace_back(r.x, r.y, r.width, r.height);
    QRegion region;
    region.setRects(qrects.data(), static_cast<int>(qrects.size()));
    return region;
}

bool OrvaldeWindow::syncScaled() {
    if (scaled_.matches(surface_.image(), layout_.drawingScale)) return false;
    scaled_.reset(surface_.image(), layout_.drawingScale);
    return true;
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

const PixelImage& OrvaldeWindow::shownDrawing() {
    if (layout_.drawingScale == 1) return surface_.image();
    syncScaled();
    return scaled_.image();
}

void OrvaldeWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // While the panel takes room, the smaller copy is shown pixel for pixel.
    if (layout_.drawingScale != 1) syncScaled();
    const PixelImage& pixels = layout_.drawingScale != 1 ? scaled_.image() : surface_.image();
    const QImage image(pixels.data(), pixels.width(), pixels.height(), pixels.bytesPerLine(), QImage::Format_RGB32);
    const qreal ratio = surface_.devicePixelRatio();
    // Outside the smaller drawing (and under the panel) the window is plain.
    const QRectF shown(0, 0, image.width() / ratio, image.height() / ratio);
    for (const QRect& r : event->region()) {
        const QRectF part = QRectF(r).intersected(shown);
        if (!part.isEmpty()) {
            const QRectF source(part.x() * ratio, part.y() * ratio, part.width() * ratio, part.height() * ratio);
            painter.drawImage(part, image, source);
        }
        if (part != QRectF(r)) {
            const QRegion rest = QRegion(r) - part.toAlignedRect();
            for (const QRect& e : rest) painter.fillRect(e, palette().window());
        }
        paintedArea_ += static_cast<std::uint64_t>(r.width()) * static_cast<std::uint64_t>(r.height());
    }
}

QRect OrvaldeWindow::buttonsRect() const {
    QRect all;
    for (int n = 1; n <= 9; ++n) all |= buttons_[static_cast<std::size_t>(n)]->geometry();
    return all;
}

void OrvaldeWindow::dockPanel(QWidget* panel) {
    panel_ = panel;
    panel->setParent(this, Qt::Widget);
    panel->setVisible(panelShown_);
    relayout();
}

void OrvaldeWindow::setPanelShown(bool shown) {
    panelShown_ = shown && !panel_.isNull();
    relayout();
    if (panel_) panel_->setVisible(panelShown_);
}

void OrvaldeWindow::relayout() {
    const Constants& k = form_->sim().constants;
    const QRect buttons = buttonsRect();
    ScreenLayoutInput screen;
    screen.clientWidth = width();
    screen.clientHeight = height();
    screen.world = surface_.world();
    screen.buttons = {buttons.x(), buttons.y(), buttons.width(), buttons.height()};
    const PanelLayout next = DockPanel(screen, k.worldHalfWidth, k.worldHalfHeight, panelShown_);
    const bool rescaled = next.drawingScale != layout_.drawingScale;
    layout_ = next;
    if (panel_ && panelShown_) {
        const LayoutRect& p = layout_.panel;
        panel_->setGeometry(QRectF(p.x, p.y, p.width, p.height).toAlignedRect());
    }
    if (rescaled) {
        xthesi_.setViewScale(layout_.drawingScale);
        update();
    }
}

void OrvaldeWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the lesson: nothing ticks on behind a hidden
    // window, and the windows that belong to it go with it.
    timer1_.setEnabled(false);
    timer2_.setEnabled(false);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) child->close();
    }
    QWidget::closeEvent(event);
}

void OrvaldeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The drawing only ever grows with the window, so a resize loses nothing.
    surface_.ensureSize(width(), height());
    surface_.takeDirtyRects();
    scaled_ = ScaledCopy();  // made afresh from the whole drawing
    relayout();
    update();
}

}  // namespace orvalde
