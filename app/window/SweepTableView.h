#pragma once
// The sweep's starts as a table in the measurements panel, rounded for
// reading in the desktop's language; hidden until a sweep has measured
// something.

#include <QTableWidget>
#include <vector>

#include "measure/SweepPoint.h"

namespace orvalde {

class SweepTableView : public QTableWidget {
public:
    explicit SweepTableView(QWidget* parent);
    // Shows these points; does nothing if they are the ones shown.
    void showSweep(const std::vector<SweepPoint>& sweep);

protected:
    void changeEvent(QEvent* event) override;

private:
    void translate();
    void fill();

    std::vector<int> shownStarts_;
    std::vector<SweepPoint> shown_;
};

}  // namespace orvalde
