#include "desktop/phone/MailPanelView.h"

#include "desktop/phone/Addresses.h"
#include "desktop/phone/ClickableLabel.h"
#include "desktop/phone/ControlMirror.h"
#include "desktop/phone/MailListBox.h"
#include "desktop/phone/PictureStore.h"
#include "desktop/phone/QtCapture.h"
#include "shell/Phone.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace vq {
namespace {

QStringList Texts(const std::vector<std::u16string>& items) {
    QStringList texts;
    for (const std::u16string& item : items) texts << ToQString(item);
    return texts;
}

QStringList Items(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

QStringList Items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
    return texts;
}

// The body field holds its lines as a Windows edit field does, joined by CR LF.
std::u16string MemoText(const QString& plain) {
    QString text = plain;
    return ToU16(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

QString PlainText(const std::u16string& memo) { return ToQString(memo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

void SetFont(QWidget& widget, const Font& font) {
    const QFont f = FontOf(font);
    if (widget.font() != f) widget.setFont(f);
}

void SoftKey(ClickableLabel* key, const RunEvent& run, Phone& phone, void (Phone::*entry)()) {
    key->setCursor(Qt::PointingHandCursor);
    QObject::connect(key, &ClickableLabel::clicked, key, [run, &phone, entry] { run([&phone, entry] { (phone.*entry)(); }); });
}

} // namespace

MailPanelView::MailPanelView(QWidget& form, Phone& phone, const RunEvent& run)
    : phone_(phone),
      pnlMail_(NamedWidget<QWidget>(&form, "pnlMail")),
      // Labels first: they lie under the panel's other controls, as graphic controls do.
      lblMailTitle_(NamedWidget<QLabel>(pnlMail_, "lblMailTitle")),
      lblNewAddress_(NamedWidget<QLabel>(pnlMail_, "lblNewAddress")),
      lblNewSubject_(NamedWidget<QLabel>(pnlMail_, "lblNewSubject")),
      lblMailAddress_(NamedWidget<QLabel>(pnlMail_, "lblMailAddress")),
      lblNewBody_(NamedWidget<QLabel>(pnlMail_, "lblNewBody")),
      ListBox1_(NamedWidget<MailListBox>(pnlMail_, "ListBox1")),
      ComboBoxMail_(NamedWidget<QComboBox>(pnlMail_, "ComboBoxMail")),
      txtNewSubject_(NamedWidget<QLineEdit>(pnlMail_, "txtNewSubject")),
      txtNewBody_(NamedWidget<QPlainTextEdit>(pnlMail_, "txtNewBody")),
      pnlPhoto_(NamedWidget<QWidget>(pnlMail_, "pnlPhoto")),
      pnlPhoto2_(NamedWidget<QWidget>(pnlMail_, "pnlPhoto2")),
      imgPhoto_(NamedWidget<QLabel>(pnlPhoto2_, "imgPhoto")),
      lblMailSend_(NamedWidget<QLabel>(pnlMail_, "lblMailSend")),
      lblButtonLeft_(NamedWidget<ClickableLabel>(pnlMail_, "lblButtonLeft")),
      lblButtonUp_(NamedWidget<ClickableLabel>(pnlMail_, "lblButtonUp")),
      lblButtonRight_(NamedWidget<ClickableLabel>(pnlMail_, "lblButtonRight")),
      lblButtonCenter_(NamedWidget<ClickableLabel>(pnlMail_, "lblButtonCenter")) {
    ComboBoxMail_->setEditable(true);
    ComboBoxMail_->setInsertPolicy(QComboBox::NoInsert);
    txtNewBody_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    for (QLabel* label : {lblMailTitle_, lblNewAddress_, lblNewSubject_, lblMailAddress_, lblNewBody_})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    SoftKey(lblButtonLeft_, run, phone, &Phone::lblButtonLeftClick);
    SoftKey(lblButtonUp_, run, phone, &Phone::lblButtonUpClick);
    SoftKey(lblButtonRight_, run, phone, &Phone::lblButtonRightClick);
    SoftKey(lblButtonCenter_, run, phone, &Phone::lblButtonCenterClick);
    ConnectList(run);
    ConnectTyping();
}

void MailPanelView::ConnectList(const RunEvent& run) {
    Phone& phone = phone_;
    const auto click = [&phone, run](int row) {
        phone.mailPanel.ListBox1.ItemIndex = row;
        run([&phone] { phone.ListBox1Click(); });
    };
    QObject::connect(ListBox1_, &MailListBox::chosen, ListBox1_, click);
}

void MailPanelView::ConnectTyping() {
    MailPanel& models = phone_.mailPanel;
    QObject::connect(ComboBoxMail_, &QComboBox::editTextChanged, ComboBoxMail_,
                     [&models](const QString& text) { models.ComboBoxMail.Text = ToU16(text); });
    QObject::connect(txtNewSubject_, &QLineEdit::textChanged, txtNewSubject_,
                     [&models](const QString& text) { models.txtNewSubject.Text = ToU16(text); });
    QObject::connect(txtNewBody_, &QPlainTextEdit::textChanged, txtNewBody_,
                     [this, &models] { models.txtNewBody.Text = MemoText(txtNewBody_->toPlainText()); });
}

void MailPanelView::MirrorTexts() {
    const MailPanel& m = phone_.mailPanel;
    // The mirror's own changes are no typing.
    const QSignalBlocker list(ListBox1_), combo(ComboBoxMail_), subject(txtNewSubject_), body(txtNewBody_);
    if (Items(*ListBox1_) != Texts(m.ListBox1.Items)) {
        ListBox1_->clear();
        ListBox1_->addItems(Texts(m.ListBox1.Items));
        for (int i = 0; i < ListBox1_->count(); ++i) ListBox1_->item(i)->setSizeHint(QSize(0, m.ListBox1.itemHeight));
    }
    if (ListBox1_->currentRow() != m.ListBox1.ItemIndex) ListBox1_->setCurrentRow(m.ListBox1.ItemIndex);
    if (Items(*ComboBoxMail_) != Texts(m.ComboBoxMail.Items)) {
        ComboBoxMail_->clear();
        ComboBoxMail_->addItems(Texts(m.ComboBoxMail.Items));
        for (int i = 0; i < ComboBoxMail_->count(); ++i)
            ComboBoxMail_->setItemData(i, QSize(0, m.ComboBoxMail.itemHeight), Qt::SizeHintRole);
    }
    if (ComboBoxMail_->currentText() != ToQString(m.ComboBoxMail.Text)) ComboBoxMail_->setEditText(ToQString(m.ComboBoxMail.Text));
    if (txtNewSubject_->text() != ToQString(m.txtNewSubject.Text)) txtNewSubject_->setText(ToQString(m.txtNewSubject.Text));
    if (txtNewBody_->toPlainText() != PlainText(m.txtNewBody.Text)) txtNewBody_->setPlainText(PlainText(m.txtNewBody.Text));
}

// A photo the core decoded or took is shown as it holds it; otherwise the picture file, if any.
void MailPanelView::MirrorPhoto(PictureStore& pictures) {
    const Picture& model = phone_.mailPanel.imgPhoto;
    if (!model.image.empty()) {
        if (shownPhoto_ && shownPhoto_->width == model.image.width && shownPhoto_->height == model.image.height &&
            shownPhoto_->pixels == model.image.pixels)
            return;
        shownPhoto_ = model.image;
        imgPhoto_->setPixmap(QPixmap::fromImage(ToQImage(model.image)));
        return;
    }
    shownPhoto_.reset();
    const QPixmap photo = model.pictureFile.empty() ? QPixmap() : pictures.Plain(model.pictureFile, QString());
    if (imgPhoto_->pixmap().cacheKey() != photo.cacheKey()) imgPhoto_->setPixmap(photo);
}

void MailPanelView::Mirror(PictureStore& pictures) {
    const MailPanel& m = phone_.mailPanel;
    ShowPanel(*pnlMail_, phone_.window.pnlMail);
    for (const auto& [widget, model] : {std::pair{lblMailTitle_, &m.lblMailTitle}, {lblNewAddress_, &m.lblNewAddress},
                                        {lblNewSubject_, &m.lblNewSubject}, {lblMailAddress_, &m.lblMailAddress},
                                        {lblNewBody_, &m.lblNewBody}, {lblMailSend_, &m.lblMailSend}})
        ShowLabel(*widget, *model);
    for (const auto& [widget, model] : {std::pair{lblButtonLeft_, &m.lblButtonLeft}, {lblButtonUp_, &m.lblButtonUp},
                                        {lblButtonRight_, &m.lblButtonRight}, {lblButtonCenter_, &m.lblButtonCenter}})
        ShowLabel(*widget, *model);
    Place(*ListBox1_, m.ListBox1);
    SetFont(*ListBox1_, m.ListBox1.font);
    Place(*ComboBoxMail_, m.ComboBoxMail);
    SetFont(*ComboBoxMail_, m.ComboBoxMail.font);
    Place(*txtNewSubject_, m.txtNewSubject);
    SetFont(*txtNewSubject_, m.txtNewSubject.font);
    Place(*txtNewBody_, m.txtNewBody);
    SetFont(*txtNewBody_, m.txtNewBody.font);
    MirrorTexts();
    ShowPanel(*pnlPhoto_, m.pnlPhoto);
    ShowPanel(*pnlPhoto2_, m.pnlPhoto2);
    Place(*imgPhoto_, m.imgPhoto);
    imgPhoto_->setScaledContents(m.imgPhoto.stretch);
    MirrorPhoto(pictures);
    // A notice stays readable over whatever screen follows it.
    lblMailSend_->raise();
}

} // namespace vq
