#pragma once
// A horizontal QScrollBar seen as the program's scroll bar: 16-bit range and
// value, change events on steps, on pages, at the end of a drag and inside
// the setters, and placement in world units over the drawing.

#include <QMetaObject>
#include <QScrollBar>
#include <functional>

#include "surface/Controls.h"

namespace orvalde {

class RasterSurface;

class QtScrollBar : public ScrollBarControl {
public:
    // The scroll bar is not owned; its parent should be the widget that
    // shows the surface, so that logical pixels of both coincide.
    QtScrollBar(QScrollBar* bar, const RasterSurface& surface);
    ~QtScrollBar() override;
    QtScrollBar(const QtScrollBar&) = delete;
    QtScrollBar& operator=(const QtScrollBar&) = delete;

    std::function<void()> onChange;

    int minimum() const override { return bar_->minimum(); }
    int maximum() const override { return bar_->maximum(); }
    int value() const override { return bar_->value(); }
    void setMinimum(int value) override;
    void setMaximum(int value) override;
    void setValue(int value) override;
    void setLargeChange(int step) override;
    void setWorldGeometry(double left, double top, double width, double height) override;

    QScrollBar* widget() const { return bar_; }

    // The drawing is shown at this scale (see PanelLayout); the bar sits on
    // it, so it moves and shrinks with it.
    void setViewScale(double scale);

private:
    void place();

    QScrollBar* bar_;
    const RasterSurface& surface_;
    QMetaObject::Connection changed_;
    double world_[4] = {0, 0, 0, 0};
    bool placed_ = false;
    double scale_ = 1;
};

}  // namespace orvalde
