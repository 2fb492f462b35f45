#pragma once

#include "platform/RgbImage.h"
#include "desktop/phone/RunEvent.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vq {

class ClickableLabel;
class MailListBox;
class Phone;
class PictureStore;

// The mail panel pnlMail and its controls. The mail screens themselves are the core's: this view
// shows the models, hands clicks to the phone, and writes what the pupil types into the models at once.
class MailPanelView {
public:
    MailPanelView(QWidget& form, Phone& phone, const RunEvent& run);
    void Mirror(PictureStore& pictures);
    [[nodiscard]] QWidget& Panel() const { return *pnlMail_; }
    // Where the camera shows its live picture.
    [[nodiscard]] QWidget& CameraPreview() const { return *pnlPhoto_; }

private:
    void ConnectList(const RunEvent& run);
    void ConnectTyping();
    void MirrorTexts();
    void MirrorPhoto(PictureStore& pictures);

    Phone& phone_;
    QWidget* pnlMail_;
    QLabel* lblMailTitle_;
    QLabel* lblNewAddress_;
    QLabel* lblNewSubject_;
    QLabel* lblMailAddress_;
    QLabel* lblNewBody_;
    MailListBox* ListBox1_;
    QComboBox* ComboBoxMail_;
    QLineEdit* txtNewSubject_;
    QPlainTextEdit* txtNewBody_;
    QWidget* pnlPhoto_;
    QWidget* pnlPhoto2_;
    QLabel* imgPhoto_;
    QLabel* lblMailSend_;
    ClickableLabel* lblButtonLeft_;
    ClickableLabel* lblButtonUp_;
    ClickableLabel* lblButtonRight_;
    ClickableLabel* lblButtonCenter_;
    std::optional<RgbImage> shownPhoto_; // the decoded photo imgPhoto shows, if it shows one
};

} // namespace vq
