#include "desktop/phone/ColourPanelView.h"

#include "desktop/phone/ControlMirror.h"
#include "desktop/phone/PictureStore.h"
#include "shell/Phone.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace vq {
namespace {

// Swatches 1 to 8 show a face drawn into the program; 9 and 10 only their caption.
QString SwatchFace(int swatch) { return swatch <= 8 ? QStringLiteral("swatch%1.bmp").arg(swatch) : QString(); }

} // namespace

ColourPanelView::ColourPanelView(QWidget& form, Phone& phone, const RunEvent& run)
    : phone_(phone),
      pnlURL_(NamedWidget<QWidget>(&form, "pnlURL")),
      lblURL_(NamedWidget<QLabel>(pnlURL_, "lblURL")),
      Panel1_(NamedWidget<QWidget>(pnlURL_, "Panel1")),
      btnURL_(NamedWidget<QPushButton>(pnlURL_, "btnURL")),
      lblURL2_(NamedWidget<QLabel>(pnlURL_, "lblURL2")) {
    for (int n = 1; n <= 10; ++n) {
        auto* swatch = new QToolButton(Panel1_);
        swatch->setObjectName(QStringLiteral("SpeedButton%1").arg(n));
        swatch->setAutoRaise(true);
        swatch->setCursor(Qt::PointingHandCursor);
        QObject::connect(swatch, &QToolButton::clicked, swatch, [&phone, run, n] { run([&phone, n] { phone.SpeedButtonClick(n); }); });
        speedButtons_[static_cast<std::size_t>(n - 1)] = swatch;
    }
    QObject::connect(btnURL_, &QPushButton::clicked, btnURL_, [&phone, run] { run([&phone] { phone.btnURLClick(); }); });
}

void ColourPanelView::Mirror(PictureStore& pictures) {
    PhoneWindow& w = phone_.window;
    ShowPanel(*pnlURL_, w.pnlURL);
    ShowLabel(*lblURL_, w.lblURL);
    ShowPanel(*Panel1_, w.Panel1);
    for (int n = 1; n <= 10; ++n) {
        const QString face = SwatchFace(n);
        const Button& model = w.SpeedButton(n);
        ShowButton(*speedButtons_[static_cast<std::size_t>(n - 1)], model,
                   face.isEmpty() ? QPixmap() : pictures.SeeThrough(model.glyphFile, face));
    }
    ShowButton(*btnURL_, w.btnURL, QPixmap());
    ShowLabel(*lblURL2_, w.lblURL2);
}

} // namespace vq
