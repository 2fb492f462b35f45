#include "desktop/phone/FirstRunWindow.h"

#include "platform/ClassroomFolder.h"
#include "platform/PlatformError.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vq {
namespace {

QString Shown(const std::filesystem::path& path) { return QDir::toNativeSeparators(QString::fromStdString(path.string())); }

QString WhereWeLooked(const FirstRunWindow::Places& places) {
    const QString folder = Shown(places.lookedIn);
    if (!places.wasGiven) return QStringLiteral("今のフォルダ（%1）には data フォルダがありません。").arg(folder);
    if (!std::filesystem::exists(places.lookedIn))
        return QStringLiteral("指定された教室フォルダ %1 が見つかりません。共有フォルダにつながっているか確かめてください。").arg(folder);
    return QStringLiteral("指定されたフォルダ %1 には data フォルダがありません。").arg(folder);
}

QLabel* Text(const QString& text, QWidget* parent, int pixelSize = 15, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse); // a teacher may copy the folder's name
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    QFont font = button->font();
    font.setPixelSize(16);
    button->setFont(font);
    button->setMinimumHeight(44);
    return button;
}

} // namespace

FirstRunWindow::FirstRunWindow(Places places, FolderQuestion askForFolder)
    : places_(std::move(places)), askForFolder_(std::move(askForFolder)) {
    setObjectName(QStringLiteral("FirstRunWindow"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setMinimumWidth(560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(12);
    layout->addWidget(Text(QStringLiteral("教室フォルダを選んでください"), this, 22, true));
    layout->addWidget(Text(WhereWeLooked(places_), this));
    layout->addWidget(Text(QStringLiteral(
        "VelquinLAN は「教室フォルダ」で動きます。教室フォルダは data フォルダを含むフォルダで、"
        "教材のページと、メール・掲示板・プロフなどのデータが入っています。教室のすべての PC が同じ教室フォルダ"
        "（ふつうは学校の共有フォルダ）を使うと、となりの席の友だちとメールや掲示板をやりとりできます。"), this));

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(12);
    QPushButton* choose = Button(QStringLiteral("教室フォルダを選ぶ…"), "ChooseClassroom", this);
    QPushButton* sample = Button(QStringLiteral("見本のクラスで試す"), "TrySample", this);
    buttons->addWidget(choose);
    buttons->addWidget(sample);
    layout->addLayout(buttons);

    const QString sampleNote = places_.bundled
        ? QStringLiteral("見本のクラスは %1 にコピーして始めます。次からはそのコピーを使うので、"
                         "書いたメールや投稿は残ります。この PC だけで試すときに使ってください。").arg(Shown(places_.sampleCopy))
        : QStringLiteral("見本のクラスが見つかりません。プログラムを入れ直してください。");
    layout->addWidget(Text(sampleNote, this, 13));
    sample->setEnabled(places_.bundled.has_value());
    layout->addWidget(Text(QStringLiteral(
        "先生・管理者の方へ: 教室フォルダを引数にして起動すると、この画面は出ずにすぐ始まります"
        "（例: velquinlan /srv/velquinlan/3年1組）。詳しくは man velquinlan をご覧ください。"), this, 13));

    sample->setDefault(places_.bundled.has_value()); // what a pupil trying the program alone wants
    // Wrapped texts ask for more height than they take; the window is as tall as its width needs.
    resize(minimumWidth(), layout->totalHeightForWidth(minimumWidth()));

    connect(choose, &QPushButton::clicked, this, &FirstRunWindow::ChooseFolder);
    connect(sample, &QPushButton::clicked, this, &FirstRunWindow::TrySample);
}

void FirstRunWindow::ChooseFolder() {
    const QString answer = askForFolder_(this);
    if (answer.isEmpty()) return;
    const std::filesystem::path folder = answer.toStdString();
    if (!HoldsClassroom(folder)) {
        Tell(QStringLiteral("選んだフォルダ %1 には data フォルダがありません。\n"
                            "data フォルダを含むフォルダ（教室フォルダ）を選んでください。").arg(Shown(folder)));
        return;
    }
    Choose(folder);
}

void FirstRunWindow::TrySample() {
    if (!places_.bundled) return;
    try {
        Choose(OpenSampleClassroom(*places_.bundled, places_.sampleCopy));
    } catch (const PlatformError& e) {
        Tell(QString::fromStdString(e.what()));
    }
}

void FirstRunWindow::Choose(const std::filesystem::path& folder) {
    chosen_ = true;
    close();
    emit classroomChosen(folder);
}

// A window-modal box that does not wait: the event loop (and a test) goes on while it is open.
void FirstRunWindow::Tell(const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("FirstRunMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void FirstRunWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!chosen_) emit dismissed();
}

QString AskForClassroomFolder(QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("教室フォルダ（data フォルダを含むフォルダ）を選ぶ"),
                                             QDir::homePath());
}

} // namespace vq
