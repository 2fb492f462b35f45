#pragma once

#include "desktop/teacher/ViewOptions.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace vq {

// クラスの様子: one row per station with its state, last activity, bill and counts.
class ClassView final : public QWidget {
    Q_OBJECT
public:
    explicit ClassView(QWidget* parent = nullptr);
    void Show(const ClassSnapshot& snapshot, const ViewOptions& options);

private:
    QLabel* summary_;
    QTableWidget* table_;
};

} // namespace vq
