#include "site/MailLink.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/VirtualSite.h"

namespace vq {

void FindMailLink(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    panel.lblButtonUp.Visible = true;
    const std::string text = "  " + ToNarrow(panel.txtNewBody.Text) + " ";
    const std::size_t start = FindCp932(text, "http://");
    if (start == std::string::npos) {
        panel.lblButtonUp.Height = panel.lblButtonLeft.Height;
        panel.lblButtonUp.font = panel.lblButtonLeft.font;
        panel.lblButtonCenter.Visible = false;
        return;
    }
    std::string link;
    for (std::size_t i = start; i + 1 < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x2D || c > 0x7E) break;
        link += static_cast<char>(c);
    }
    link = ReplaceAllNoCase(link, VirtualSiteRoot, phone.DataRoot);
    phone.site.MailLinkTarget = link; // "/" is already the native separator
    panel.lblButtonUp.Height = panel.lblButtonCenter.Height;
    panel.lblButtonUp.font = panel.lblButtonCenter.font;
    panel.lblButtonCenter.Visible = true;
}

} // namespace vq
