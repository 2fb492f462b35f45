#include "desktop/teacher/PrepareView.h"

#include "desktop/teacher/LessonLabel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vq {
namespace {

QLabel* Explanation(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

PrepareView::PrepareView(QWidget* parent)
    : QWidget(parent), folder_(new QLabel), past_(new QListWidget),
      archive_(new QPushButton(QStringLiteral("授業を保存して片付ける…"))),
      open_(new QPushButton(QStringLiteral("選んだ授業を開く（見るだけ）"))),
      current_(new QPushButton(QStringLiteral("今の授業に戻る"))), outcome_(new QLabel) {
    setObjectName(QStringLiteral("prepareView"));
    past_->setObjectName(QStringLiteral("pastLessons"));
    archive_->setObjectName(QStringLiteral("archiveLesson"));
    outcome_->setObjectName(QStringLiteral("prepareOutcome"));
    folder_->setWordWrap(true);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* create = new QPushButton(QStringLiteral("新しいクラスフォルダを作る…"));
    create->setObjectName(QStringLiteral("newClassroom"));
    auto* newBox = new QGroupBox(QStringLiteral("新しいクラスフォルダ"));
    auto* newLayout = new QVBoxLayout(newBox);
    newLayout->addWidget(Explanation(QStringLiteral(
        "教材・テンプレート・画像と空のデータファイルを入れた data フォルダを、選んだ場所（学校の共有フォルダなど）に作ります。"
        "すでに data フォルダがあるフォルダには作りません。できたフォルダで、各端末の VelquinLAN を起動してください。")));
    newLayout->addWidget(create, 0, Qt::AlignLeft);

    auto* archiveBox = new QGroupBox(QStringLiteral("授業を保存して片付ける"));
    auto* archiveLayout = new QVBoxLayout(archiveBox);
    archiveLayout->addWidget(Explanation(QStringLiteral(
        "この授業の記録（利用の記録、掲示板とタイムライン、メール、プロフ、写真）を data の隣の archive フォルダに保存し、"
        "次のクラスが 0円から始められるように data を片付けます。端末が起動中のときは片付けません。")));
    archiveLayout->addWidget(archive_, 0, Qt::AlignLeft);
    archiveLayout->addWidget(outcome_);

    auto* pastBox = new QGroupBox(QStringLiteral("保存した授業"));
    auto* pastLayout = new QVBoxLayout(pastBox);
    pastLayout->addWidget(past_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(current_);
    buttons->addStretch(1);
    pastLayout->addLayout(buttons);

    // Scrolled rather than squeezed: in large type on a small screen every explanation stays whole.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(folder_);
    layout->addWidget(newBox);
    layout->addWidget(archiveBox);
    layout->addWidget(pastBox, 1);
    past_->setMinimumHeight(120);
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    connect(create, &QPushButton::clicked, this, &PrepareView::newClassroomRequested);
    connect(archive_, &QPushButton::clicked, this, &PrepareView::archiveRequested);
    connect(open_, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem* item = past_->currentItem()) emit pastLessonRequested(item->data(Qt::UserRole).toString());
    });
    connect(past_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit pastLessonRequested(item->data(Qt::UserRole).toString()); });
    connect(current_, &QPushButton::clicked, this, &PrepareView::currentLessonRequested);
}

void PrepareView::ShowFolder(const QString& folder, const QStringList& pastLessons, const QString& openLesson) {
    folder_->setText(QStringLiteral("教室フォルダ: %1").arg(folder));
    past_->clear();
    for (const QString& name : pastLessons) {
        const QString label = LessonLabel(name);
        auto* item = new QListWidgetItem(name == openLesson ? label + QStringLiteral("　← 表示中") : label);
        item->setData(Qt::UserRole, name);
        past_->addItem(item);
    }
    if (pastLessons.isEmpty()) past_->addItem(QStringLiteral("（まだ保存した授業はありません）"));
    open_->setEnabled(!pastLessons.isEmpty());
    current_->setEnabled(!openLesson.isEmpty());
    archive_->setEnabled(openLesson.isEmpty());
}

void PrepareView::ShowOutcome(const QString& text) { outcome_->setText(text); }

} // namespace vq
