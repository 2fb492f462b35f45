#pragma once

#include "desktop/teacher/ViewOptions.h"

#include <QImage>
#include <QWidget>

#include <vector>

class QChartView;
class QTableWidget;

namespace vq {

// 料金: a bar chart of every station's bill, a chart of the class's total by kind of use, and the
// table beside them.
class BillsView final : public QWidget {
    Q_OBJECT
public:
    explicit BillsView(QWidget* parent = nullptr);
    void Show(const ClassSnapshot& snapshot, const ViewOptions& options);
    // The station chart as a picture, for the printed record.
    [[nodiscard]] QImage StationChartImage(QSize size) const;

protected:
    // The charts' texts follow the view's type size.
    void changeEvent(QEvent* event) override;
    // The chart of the kinds shows as many bars as its height gives room for; the table's rows
    // follow its width.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    [[nodiscard]] std::size_t KindBars() const;

    QChartView* stationChart_;
    QChartView* kindChart_;
    QTableWidget* table_;
    ClassSnapshot snapshot_;
    ViewOptions options_;
    std::vector<std::u16string> shown_;
    std::size_t shownBars_ = 8; // what the charts show now, to redraw them only when it changes
};

} // namespace vq
