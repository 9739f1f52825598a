#include "app/window/SweepTableView.h"

#include <QEvent>
#include <QHeaderView>

#include "app/window/DesktopLanguage.h"
#include "display/ReadableText.h"
#include "display/SweepTable.h"

namespace orvalde {

SweepTableView::SweepTableView(QWidget* parent) : QTableWidget(0, kSweepColumns, parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Compact rows and a low table leave the plots their height on a small
    // screen; the rows scroll.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setMaximumHeight(160);
    translate();
    hide();
}

void SweepTableView::translate() {
    const Translator& language = DesktopLanguage::current();
    QStringList headings;
    // A word a line: the headings fit narrow columns instead of losing their ends.
    for (const std::string& h : SweepHeadings(language)) headings << QString::fromStdString(h).replace(' ', '\n');
    setHorizontalHeaderLabels(headings);
    setAccessibleName(QString::fromUtf8(language.tr(text::kSweepName)));
}

void SweepTableView::showSweep(const std::vector<SweepPoint>& sweep) {
    std::vector<int> starts;
    for (const SweepPoint& p : sweep) starts.push_back(p.start);
    if (starts == shownStarts_ && rowCount() == static_cast<int>(starts.size())) return;
    shownStarts_ = starts;
    shown_ = sweep;
    fill();
}

void SweepTableView::fill() {
    const std::vector<SweepRow> rows = SweepRows(shown_);
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto cells = SweepCells(rows[static_cast<std::size_t>(r)], DesktopLanguage::current());
        for (int c = 0; c < kSweepColumns; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    setVisible(!rows.empty());
}

void SweepTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translate();
        fill();  // the decimal separator
    }
    QTableWidget::changeEvent(event);
}

}  // namespace orvalde
