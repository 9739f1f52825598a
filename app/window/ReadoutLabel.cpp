#include "app/window/ReadoutLabel.h"

#include <QPainter>

namespace orvalde {

ReadoutLabel::ReadoutLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void ReadoutLabel::paintEvent(QPaintEvent*) {
    const QRect area = contentsRect();
    if (area.width() != laidWidth_ || font() != laidFont_) {
        laidOut_.clear();
        laidWidth_ = area.width();
        laidFont_ = font();
    }
    QHash<QString, QStaticText> shown;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    qreal y = area.top();
    for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
        auto kept = laidOut_.constFind(paragraph);
        QStaticText laid;
        if (kept != laidOut_.constEnd()) {
            laid = *kept;
        } else {
            laid.setText(paragraph);
            laid.setTextFormat(Qt::PlainText);
            laid.setTextWidth(area.width());
            laid.setPerformanceHint(QStaticText::AggressiveCaching);
            laid.prepare(painter.transform(), font());
        }
        painter.drawStaticText(QPointF(area.left(), y), laid);
        y += laid.size().height();
        shown.insert(paragraph, laid);
    }
    laidOut_ = std::move(shown);
}

}  // namespace orvalde
