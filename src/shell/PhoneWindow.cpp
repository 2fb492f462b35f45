#include "shell/PhoneWindow.h"

namespace vq {
namespace {

Button Swatch(int left, int top, const char16_t* caption = u"") {
    Button b = Placed<Button>(left, top, 60, 60);
    b.Caption = caption;
    return b;
}

} // namespace

PhoneWindow DesignedPhoneWindow() {
    PhoneWindow w;
    w.form = Placed<Control>(488, 0, 401, 730);
    w.Image1 = Placed<Picture>(0, 0, 400, 730);
    w.Image1.transparent = true;
    w.Image2 = Placed<Picture>(60, 87, 281, 38);
    w.Image2.stretch = true;
    w.WebBrowser1 = Placed<Control>(500, 28, 343, 550);
    w.pnlMail = Placed<Panel>(466, 70, 340, 550, false);
    w.pnlURL = Placed<Panel>(30, 55, 340, 550, false);
    w.pnlURL.colour = {185, 209, 234}; // the usual gradient end of an active caption
    w.btnEnd = Placed<Button>(288, 20, 57, 28);
    w.btnEnd.Caption = u"電源";
    w.btnEnd.font = {19, false};
    w.BitBtnLeft = Placed<Button>(30, 611, 113, 46);
    w.BitBtnDown = Placed<Button>(142, 611, 115, 46);
    w.BitBtnNet = Placed<Button>(256, 611, 115, 46);
    w.lblURL = Placed<Label>(13, 15, 308, 28);
    w.lblURL.Caption = u"色の選択";
    w.lblURL.font = {21, true};
    w.lblURL.colour = {0, 0, 255};
    w.lblURL.textColour = {255, 255, 255};
    w.lblURL.centred = true;
    w.Panel1 = Placed<Panel>(13, 49, 308, 328);
    w.Panel1.colour = {255, 251, 240};
    w.SpeedButtons = {Swatch(40, 27),  Swatch(121, 27),  Swatch(202, 27),  Swatch(40, 100),
                      Swatch(121, 101), Swatch(202, 100), Swatch(40, 173),  Swatch(121, 173),
                      Swatch(202, 173, u"とうめい"), Swatch(40, 239, u"りんご風味")};
    w.btnURL = Placed<Button>(90, 405, 169, 41);
    w.btnURL.Caption = u"メニューを表示";
    w.btnURL.font = {16, false};
    w.lblURL2 = Placed<Label>(82, 472, 177, 19);
    w.lblURL2.Caption = u"© VelquinLAN";
    w.lblURL2.font = {16, false};
    w.lblURL2.colour = {166, 202, 240};
    w.lblURL2.centred = true;
    return w;
}

} // namespace vq
