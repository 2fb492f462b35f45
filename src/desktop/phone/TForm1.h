#pragma once

#include "desktop/phone/PictureStore.h"
#include "desktop/phone/RunEvent.h"

#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QPushButton;

namespace vq {

class ColourPanelView;
class MailPanelView;
class ModelTimers;
class Phone;
class QtBrowserView;

// The phone window: a borderless window shaped like the body picture, whose see-through pixels
// neither show nor take clicks. Every widget mirrors a control model of the core after every event;
// every click, key and timer is handed to the phone's entry point of the same name.
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    TForm1(Phone& phone, QtBrowserView& browser, std::function<void(const std::string&)> reportError);
    ~TForm1() override;

    // Runs one event on the core, then shows what it changed and closes when the power key asked to.
    void Run(const std::function<void()>& coreEvent);
    void MirrorModels();
    // The part of the window that shows and takes clicks.
    [[nodiscard]] QRegion VisibleRegion() const { return shape_; }
    [[nodiscard]] MailPanelView& MailPanel() const { return *mailPanel_; }
    [[nodiscard]] const ModelTimers& Timers() const { return *timers_; }

signals:
    // The phone was switched off (or its window closed by the desktop).
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void MirrorKeys();
    void MirrorShape();
    void MirrorPosition();
    void ShowDialogsOverTheWindow();
    bool AskHitTest(bool leftButtonDown, const QPointF& cursor);

    Phone& phone_;
    QtBrowserView& browser_;
    PictureStore pictures_;
    RunEvent run_;
    QPushButton* btnEnd_;
    QPushButton* BitBtnLeft_;
    QPushButton* BitBtnDown_;
    QPushButton* BitBtnNet_;
    std::unique_ptr<ColourPanelView> colourPanel_;
    std::unique_ptr<MailPanelView> mailPanel_;
    ModelTimers* timers_;
    QRegion shape_;
    QString paintedLook_; // the pictures the body was last painted with
    // Set while the pupil drags the phone and the window system cannot move it by itself.
    std::optional<QPoint> dragOffset_;
};

} // namespace vq
