#pragma once

#include "shell/Controls.h"

namespace vq {

// The controls of the mail panel pnlMail, in the panel's own coordinates.
struct MailPanel {
    Label lblMailTitle;
    ListBox ListBox1;
    Label lblNewAddress;
    ComboBox ComboBoxMail;   // the address field
    Label lblNewSubject;
    Label lblMailAddress;
    Edit txtNewSubject;
    Label lblNewBody;
    Edit txtNewBody;
    Panel pnlPhoto;          // camera preview
    Panel pnlPhoto2;         // holds imgPhoto, the attached or received photo
    Picture imgPhoto;
    Label lblMailSend;       // the notices of sending and receiving
    Label lblButtonLeft;
    Label lblButtonUp;
    Label lblButtonRight;
    Label lblButtonCenter;
};

MailPanel DesignedMailPanel();

} // namespace vq
