#include "desktop/teacher/PrepareView.h"

#include "desktop/teacher/LessonLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vq {
namespace {

QLabel* Explanation(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// Sign, word and colour each: a projector that washes the colours out still shows which is which.
// Colours by palette rather than style sheet, so that the badge's text keeps following the window's
// size, large type for the projector included.
std::pair<QColor, QColor> BadgeColours(ShareFinding::Verdict verdict) {
    switch (verdict) {
    case ShareFinding::Verdict::Good: return {QColor(0x1b, 0x6e, 0x2a), Qt::white};
    case ShareFinding::Verdict::Problem: return {QColor(0xb3, 0x26, 0x1e), Qt::white};
    case ShareFinding::Verdict::CouldNotTell: break;
    }
    return {QColor(0xf2, 0xc2, 0x30), Qt::black};
}

QLabel* Badge(ShareFinding::Verdict verdict) {
    auto* badge = new QLabel(QString::fromStdString(VerdictLabel(verdict)));
    badge->setObjectName(QStringLiteral("findingVerdict"));
    const auto [background, text] = BadgeColours(verdict);
    QPalette palette = badge->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    badge->setPalette(palette);
    badge->setAutoFillBackground(true);
    badge->setMargin(4);
    badge->setAlignment(Qt::AlignCenter);
    QFont bold;
    bold.setBold(true);
    badge->setFont(bold); // bold alone: the size still comes from the window
    return badge;
}

// Plain text: a path in a finding may hold "<".
QLabel* FindingText(const ShareFinding& finding) {
    auto* text = new QLabel(QString::fromStdString(finding.topic + "：" + finding.text));
    text->setObjectName(QStringLiteral("findingText"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return text;
}

QString SummaryOf(const std::vector<ShareFinding>& findings) {
    if (AnyProblem(findings))
        return QStringLiteral("問題が見つかりました。「× 問題あり」の説明のとおりに直してから、もう一度確かめてください。");
    const bool untold = std::any_of(findings.begin(), findings.end(), [](const ShareFinding& f) {
        return f.verdict == ShareFinding::Verdict::CouldNotTell;
    });
    if (untold) return QStringLiteral("問題は見つかりませんでしたが、確かめられなかったことがあります。「？ 確認できず」の説明を読んでください。");
    return QStringLiteral("すべて良好です。");
}

} // namespace

PrepareView::PrepareView(QWidget* parent)
    : QWidget(parent), folder_(new QLabel), past_(new QListWidget),
      archive_(new QPushButton(QStringLiteral("授業を保存して片付ける…"))),
      open_(new QPushButton(QStringLiteral("選んだ授業を開く（見るだけ）"))),
      current_(new QPushButton(QStringLiteral("今の授業に戻る"))), outcome_(new QLabel),
      checkShare_(new QPushButton(QStringLiteral("共有フォルダを確かめる"))), shareSummary_(new QLabel),
      findings_(new QWidget), findingRows_(new QGridLayout(findings_)) {
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

    checkShare_->setObjectName(QStringLiteral("checkShare"));
    shareSummary_->setObjectName(QStringLiteral("shareCheckSummary"));
    shareSummary_->setWordWrap(true);
    shareSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    findings_->setObjectName(QStringLiteral("shareFindings"));
    findingRows_->setContentsMargins(0, 0, 0, 0);
    findingRows_->setColumnStretch(1, 1);
    auto* shareBox = new QGroupBox(QStringLiteral("共有フォルダを確かめる"));
    auto* shareLayout = new QVBoxLayout(shareBox);
    shareLayout->addWidget(Explanation(QStringLiteral(
        "この教室フォルダのある共有フォルダが、スマホで使えるかを確かめます。ページの表示にかかる時間、投稿やメールの書き足し、"
        "ロック、ファイルの置きかえを調べ（data の隣に作業用のフォルダを作り、終わったら消します）、ほかのコンピュータで"
        "動いているスマホのロックがこのコンピュータから見えるかを確かめます。そのために、授業の前に、ほかのコンピュータで"
        "スマホを1台起動しておいてください。")));
    shareLayout->addWidget(checkShare_, 0, Qt::AlignLeft);
    shareLayout->addWidget(shareSummary_);
    shareLayout->addWidget(findings_);

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
    layout->addWidget(shareBox);
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
    connect(checkShare_, &QPushButton::clicked, this, &PrepareView::shareCheckRequested);
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

namespace vq {

void PrepareView::ShowShareCheckRunning() {
    checkShare_->setEnabled(false);
    shareSummary_->setText(QStringLiteral("確かめています…（ファイルサーバーが遠いと数十秒かかります）"));
    findings_->hide();
}

void PrepareView::ShowShareFindings(const std::vector<ShareFinding>& findings) {
    while (QLayoutItem* item = findingRows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const ShareFinding& finding : findings) {
        findingRows_->addWidget(Badge(finding.verdict), row, 0, Qt::AlignTop);
        findingRows_->addWidget(FindingText(finding), row, 1);
        ++row;
    }
    checkShare_->setEnabled(true);
    shareSummary_->setText(SummaryOf(findings));
    findings_->show();
}

void PrepareView::ShowShareCheckFailed(const QString& message) {
    checkShare_->setEnabled(true);
    shareSummary_->setText(QStringLiteral("共有フォルダを確かめられませんでした: ") + message);
    findings_->hide();
}

} // namespace vq
