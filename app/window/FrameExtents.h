#pragma once
// The frame the window manager will put around a top-level window, known
// before the window is shown, so that start-up can give the client area a size
// whose frame fits the screen's available area.

#include <QMargins>
#include <QWidget>
#include <optional>

namespace orvalde {

// The window manager's estimate of the frame (left, top, right, bottom), asked
// for without mapping the window; or the platform's own frame margins once the
// native window exists. Nothing when neither is known (no window manager).
std::optional<QMargins> EstimateFrameExtents(QWidget& window);

}  // namespace orvalde
