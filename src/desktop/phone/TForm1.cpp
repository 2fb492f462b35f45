#include "desktop/phone/TForm1.h"

#include "desktop/phone/ColourPanelView.h"
#include "desktop/phone/ControlMirror.h"
#include "desktop/phone/MailPanelView.h"
#include "desktop/phone/ModelTimers.h"
#include "desktop/phone/QtBrowserView.h"
#include "shell/Phone.h"

#include <QDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>

namespace vq {
namespace {

// The window's own colour; the body picture covers it wherever the phone is, and it never shows.
const QColor kWindowColour(255, 0, 255);

const QString kBuiltInBody = QStringLiteral("body.bmp");
const QString kBuiltInStatusBar = QStringLiteral("status_bar.bmp");

QPushButton* Key(QWidget* form, const char* name) {
    auto* key = NamedWidget<QPushButton>(form, name);
    key->setFocusPolicy(Qt::NoFocus); // the keys must not take the typing away from the page
    key->setCursor(Qt::PointingHandCursor);
    return key;
}

QRect RectOf(const Control& c) { return QRect(c.Left, c.Top, c.Width, c.Height); }

} // namespace

TForm1::TForm1(Phone& phone, QtBrowserView& browser, std::function<void(const std::string&)> reportError)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      phone_(phone),
      browser_(browser),
      pictures_(std::move(reportError)),
      run_([this](const std::function<void()>& coreEvent) { Run(coreEvent); }),
      btnEnd_(Key(this, "btnEnd")),
      BitBtnLeft_(Key(this, "BitBtnLeft")),
      BitBtnDown_(Key(this, "BitBtnDown")),
      BitBtnNet_(Key(this, "BitBtnNet")) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("VelquinLAN"));
    setFont(FontOf(Font{}));
    setMouseTracking(true);

    QWebEngineView* view = browser_.View();
    view->setParent(this);
    view->setObjectName(QStringLiteral("WebBrowser1"));
    browser_.SetAfterPageEvent([this] { MirrorModels(); });
    mailPanel_ = std::make_unique<MailPanelView>(*this, phone_, run_);
    colourPanel_ = std::make_unique<ColourPanelView>(*this, phone_, run_);
    timers_ = new ModelTimers(
        [this](int n) {
            Run([this, n] {
                if (n == 1) phone_.Timer1Timer();
                if (n == 2) phone_.Timer2Timer();
                if (n == 3) phone_.Timer3Timer();
            });
        },
        this);

    connect(btnEnd_, &QPushButton::clicked, this, [this] { Run([this] { phone_.btnEndClick(); }); });
    connect(BitBtnLeft_, &QPushButton::clicked, this, [this] { Run([this] { phone_.BitBtnLeftClick(); }); });
    connect(BitBtnDown_, &QPushButton::clicked, this, [this] { Run([this] { phone_.BitBtnDownClick(); }); });
    connect(BitBtnNet_, &QPushButton::clicked, this, [this] { Run([this] { phone_.BitBtnNetClick(); }); });
    MirrorModels();
}

TForm1::~TForm1() { browser_.SetAfterPageEvent(nullptr); }

void TForm1::Run(const std::function<void()>& coreEvent) {
    coreEvent();
    MirrorModels();
    if (phone_.shell.CloseRequested) close();
}

void TForm1::MirrorModels() {
    const PhoneWindow& w = phone_.window;
    if (size() != QSize(w.form.Width, w.form.Height)) setFixedSize(w.form.Width, w.form.Height);
    Place(*browser_.View(), w.WebBrowser1);
    mailPanel_->Mirror(pictures_);
    colourPanel_->Mirror(pictures_);
    MirrorKeys();
    timers_->Mirror(w);
    MirrorShape();
    MirrorPosition();
    // Repainting the body under the browser costs a frame; most events leave the pictures alone.
    const auto picture = [](const Picture& p) {
        return QString::fromStdString(p.pictureFile) +
               QStringLiteral("|%1,%2,%3,%4,%5|").arg(p.Left).arg(p.Top).arg(p.Width).arg(p.Height).arg(p.Visible);
    };
    const QString look = picture(w.Image1) + picture(w.Image2);
    if (look != paintedLook_) {
        paintedLook_ = look;
        update();
    }
}

void TForm1::MirrorKeys() {
    const PhoneWindow& w = phone_.window;
    ShowButton(*btnEnd_, w.btnEnd, QPixmap());
    ShowButton(*BitBtnLeft_, w.BitBtnLeft, pictures_.SeeThrough(w.BitBtnLeft.glyphFile, QStringLiteral("glyph_back.bmp")));
    ShowButton(*BitBtnDown_, w.BitBtnDown, pictures_.SeeThrough(w.BitBtnDown.glyphFile, QStringLiteral("glyph_home.bmp")));
    ShowButton(*BitBtnNet_, w.BitBtnNet, pictures_.SeeThrough(w.BitBtnNet.glyphFile, QStringLiteral("glyph_menu.bmp")));
}

// The window shows, and takes clicks on, the body picture's own pixels and every control on it; the
// rest lets the desktop show through.
void TForm1::MirrorShape() {
    const Picture& body = phone_.window.Image1;
    QRegion shape = pictures_.Opaque(body.pictureFile, kBuiltInBody).translated(body.Left, body.Top) & RectOf(body);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(this)) shape |= child->geometry();
    shape &= rect();
    if (shape != shape_) {
        shape_ = shape;
        setMask(shape_);
    }
}

void TForm1::MirrorPosition() {
    const QPoint place(phone_.window.form.Left, phone_.window.form.Top);
    if (pos() != place) move(place);
}

bool TForm1::event(QEvent* event) {
    // The window system's window of the phone is made anew once the browser view first draws (it
    // then draws through the graphics stack). Dialogs shown before are still tied to the old one and
    // may lie under the phone; once the new one is up they are shown again, tied to it.
    if (event->type() == QEvent::WinIdChange) QTimer::singleShot(0, this, [this] { ShowDialogsOverTheWindow(); });
    return QWidget::event(event);
}

void TForm1::ShowDialogsOverTheWindow() {
    if (!internalWinId()) return; // the old one is gone, the new one not yet made: its own change follows
    for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        if (!dialog->isVisible()) continue;
        dialog->hide();
        if (QWindow* own = dialog->windowHandle()) own->setTransientParent(windowHandle());
        dialog->show();
        dialog->raise();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PhoneWindow& w = phone_.window;
    painter.fillRect(rect(), kWindowColour);
    if (w.Image1.Visible) {
        painter.setClipRect(RectOf(w.Image1));
        painter.drawPixmap(w.Image1.Left, w.Image1.Top, pictures_.SeeThrough(w.Image1.pictureFile, kBuiltInBody));
        painter.setClipping(false);
    }
    if (w.Image2.Visible) painter.drawPixmap(RectOf(w.Image2), pictures_.Plain(w.Image2.pictureFile, kBuiltInStatusBar));
}

bool TForm1::AskHitTest(bool leftButtonDown, const QPointF& cursor) {
    return phone_.FormHitTest(leftButtonDown, static_cast<int>(cursor.y()), x(), y());
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool caption = AskHitTest(true, event->position());
    MirrorModels();
    if (!caption) return;
    // The window system moves the window as by its title bar where it can; otherwise the window
    // follows the mouse itself.
    if (!windowHandle() || !windowHandle()->startSystemMove()) dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const bool leftButtonDown = event->buttons() & Qt::LeftButton;
    if (dragOffset_ && leftButtonDown) {
        move(event->globalPosition().toPoint() - *dragOffset_);
        return;
    }
    AskHitTest(leftButtonDown, event->position());
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    AskHitTest(false, event->position());
}

void TForm1::moveEvent(QMoveEvent* event) {
    // The window's place is the model's: a drag writes it there at once, as typing does.
    phone_.window.form.Left = event->pos().x();
    phone_.window.form.Top = event->pos().y();
    QWidget::moveEvent(event);
}

} // namespace vq
