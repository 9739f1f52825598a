#pragma once
// The sweep's starts as a table in the measurements panel, rounded for
// reading; hidden until a sweep has measured something.

#include <QTableWidget>
#include <vector>

#include "measure/SweepPoint.h"

namespace orvalde {

class SweepTableView : public QTableWidget {
public:
    explicit SweepTableView(QWidget* parent);
    // Shows these points; does nothing if they are the ones shown.
    void showSweep(const std::vector<SweepPoint>& sweep);

private:
    std::vector<int> shownStarts_;
};

}  // namespace orvalde
