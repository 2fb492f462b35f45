#pragma once

#include "desktop/phone/RunEvent.h"

#include <array>

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace vq {

class Phone;
class PictureStore;

// The colour panel pnlURL: the title, the ten skin swatches, "メニューを表示" and the credit line.
class ColourPanelView {
public:
    ColourPanelView(QWidget& form, Phone& phone, const RunEvent& run);
    void Mirror(PictureStore& pictures);
    [[nodiscard]] QWidget& Panel() const { return *pnlURL_; }

private:
    Phone& phone_;
    QWidget* pnlURL_;
    QLabel* lblURL_;
    QWidget* Panel1_;
    std::array<QToolButton*, 10> speedButtons_{};
    QPushButton* btnURL_;
    QLabel* lblURL2_;
};

} // namespace vq
