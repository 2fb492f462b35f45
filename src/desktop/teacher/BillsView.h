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
    // The charts' texts follow the window's type size.
    void SetTextScale(double scale);
    // The station chart as a picture, for the printed record.
    [[nodiscard]] QImage StationChartImage(QSize size) const;

private:
    void Rebuild();

    QChartView* stationChart_;
    QChartView* kindChart_;
    QTableWidget* table_;
    ClassSnapshot snapshot_;
    ViewOptions options_;
    double scale_ = 1.0;
    std::vector<std::u16string> shown_; // what the charts show now, to redraw them only when it changes
};

} // namespace vq
