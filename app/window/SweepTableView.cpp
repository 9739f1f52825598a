#include "app/window/SweepTableView.h"

#include <QHeaderView>

#include "display/SweepTable.h"

namespace orvalde {

SweepTableView::SweepTableView(QWidget* parent) : QTableWidget(0, kSweepColumns, parent) {
    QStringList headings;
    for (const std::string& h : SweepHeadings()) headings << QString::fromStdString(h);
    setHorizontalHeaderLabels(headings);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setAccessibleName("Sweep");
    setMaximumHeight(220);
    hide();
}

void SweepTableView::showSweep(const std::vector<SweepPoint>& sweep) {
    std::vector<int> starts;
    for (const SweepPoint& p : sweep) starts.push_back(p.start);
    if (starts == shownStarts_ && rowCount() == static_cast<int>(starts.size())) return;
    shownStarts_ = starts;
    const std::vector<SweepRow> rows = SweepRows(sweep);
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto cells = SweepCells(rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < kSweepColumns; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    setVisible(!rows.empty());
}

}  // namespace orvalde
