#pragma once
// The panel's readout: plain text, wrapped, top left, like any label, but
// each paragraph laid out once and drawn from that while it stays. From one
// refresh to the next some paragraphs stay as they were, and laying text out
// costs more than drawing it.

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QStaticText>

namespace orvalde {

class ReadoutLabel : public QLabel {
public:
    explicit ReadoutLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHash<QString, QStaticText> laidOut_;  // the paragraphs last shown
    int laidWidth_ = -1;
    QFont laidFont_;
};

}  // namespace orvalde
