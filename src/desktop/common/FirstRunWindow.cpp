#include "desktop/common/FirstRunWindow.h"

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

#include <algorithm>

namespace vq {
namespace {

constexpr int kNarrowest = 560;
constexpr int kSideMargin = 28;
constexpr int kButtonPadding = 14;

QString Shown(const std::filesystem::path& path) { return QDir::toNativeSeparators(QString::fromStdString(path.string())); }

QString WhereWeLooked(const FirstRunWindow::Places& places) {
    const QString folder = Shown(places.lookedIn);
    if (!places.wasGiven) return QStringLiteral("今のフォルダ（%1）には data フォルダがありません。").arg(folder);
    if (!std::filesystem::exists(places.lookedIn))
        return QStringLiteral("指定された教室フォルダ %1 が見つかりません。共有フォルダにつながっているか確かめてください。").arg(folder);
    return QStringLiteral("指定されたフォルダ %1 には data フォルダがありません。").arg(folder);
}

QLabel* Text(const QString& text, QWidget* parent, int pixelSize = 15, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // a folder's name is never markup
    label->setText(text);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse); // a teacher may copy the folder's name
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

FirstRunWindow::FirstRunWindow(Places places, Wording wording, FolderQuestion askForFolder, std::vector<Choice> more)
    : places_(std::move(places)), askForFolder_(std::move(askForFolder)) {
    setObjectName(QStringLiteral("FirstRunWindow"));
    setWindowTitle(QGuiApplication::applicationDisplayName());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, 24, kSideMargin, 24);
    layout->setSpacing(12);
    layout->addWidget(Text(QStringLiteral("教室フォルダを選んでください"), this, 22, true));
    layout->addWidget(Text(WhereWeLooked(places_), this));
    layout->addWidget(Text(wording.about, this));

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(12);
    AddButton(buttons, QStringLiteral("教室フォルダを選ぶ…"), QStringLiteral("ChooseClassroom"), [this] { return ChooseFolder(); });
    for (Choice& choice : more)
        AddButton(buttons, choice.text, choice.objectName, [this, take = std::move(choice.take)] { return take(*this); });
    AddButton(buttons, wording.trySample, QStringLiteral("TrySample"), [this] { return TrySample(); });
    layout->addLayout(buttons);

    auto* sample = findChild<QPushButton*>(QStringLiteral("TrySample"));
    sample->setEnabled(places_.bundled.has_value());
    sample->setDefault(places_.bundled.has_value()); // what someone trying the program alone wants
    layout->addWidget(Text(places_.bundled ? wording.sampleNote.arg(Shown(places_.sampleCopy))
                                           : QStringLiteral("見本のクラスが見つかりません。プログラムを入れ直してください。"),
                           this, 13));
    layout->addWidget(Text(wording.forAdmins, this, 13));

    // As wide as the buttons need side by side; wrapped texts ask for more height than they take,
    // so the window is as tall as its width needs.
    const int width = std::max(kNarrowest, buttons->sizeHint().width() + 2 * kSideMargin);
    setMinimumWidth(width);
    resize(width, layout->totalHeightForWidth(width));
}

void FirstRunWindow::AddButton(QHBoxLayout* row, const QString& text, const QString& objectName,
                               const std::function<std::optional<std::filesystem::path>()>& take) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    QFont font = button->font();
    font.setPixelSize(16);
    button->setFont(font);
    button->setMinimumHeight(44);
    // The style draws a text right to the edge of a button that is only as wide as it needs.
    button->setMinimumWidth(button->sizeHint().width() + 2 * kButtonPadding);
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, take] {
        if (const auto folder = take()) Choose(*folder);
    });
}

std::optional<std::filesystem::path> FirstRunWindow::ChooseFolder() {
    const QString answer = AskForFolder(QStringLiteral("教室フォルダ（data フォルダを含むフォルダ）を選ぶ"));
    if (answer.isEmpty()) return std::nullopt;
    const std::filesystem::path folder = answer.toStdString();
    if (!HoldsClassroom(folder)) {
        Tell(QStringLiteral("選んだフォルダ %1 には data フォルダがありません。\n"
                            "data フォルダを含むフォルダ（教室フォルダ）を選んでください。").arg(Shown(folder)));
        return std::nullopt;
    }
    return folder;
}

std::optional<std::filesystem::path> FirstRunWindow::TrySample() {
    if (!places_.bundled) return std::nullopt;
    try {
        return OpenSampleClassroom(*places_.bundled, places_.sampleCopy);
    } catch (const PlatformError& e) {
        Tell(QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

// The program's window shows before this one goes, so that the desktop never sees the program
// without a window.
void FirstRunWindow::Choose(const std::filesystem::path& folder) {
    chosen_ = true;
    emit classroomChosen(folder);
    close();
}

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

QString AskForFolderWithDialog(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title, QDir::homePath());
}

} // namespace vq
