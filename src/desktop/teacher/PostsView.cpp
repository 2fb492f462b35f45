#include "desktop/teacher/PostsView.h"

#include "desktop/teacher/QtText.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {
namespace {

const QStringList kColumns{QStringLiteral("番号"), QStringLiteral("端末"), QStringLiteral("時刻"), QStringLiteral("名前"),
                           QStringLiteral("本文")};

QTableWidgetItem* Cell(const QString& text, bool hidden) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (hidden) {
        item->setForeground(QColor(0x99, 0x99, 0x99));
        QFont font = item->font();
        font.setStrikeOut(true);
        item->setFont(font);
    }
    return item;
}

// The station's place in the class list, for its label when the names are hidden.
std::size_t StationIndex(const ClassSnapshot& snapshot, const std::string& station) {
    const auto it = std::find_if(snapshot.stations.begin(), snapshot.stations.end(),
                                 [&](const StationSummary& s) { return s.station == station; });
    return static_cast<std::size_t>(it - snapshot.stations.begin());
}

} // namespace

PostsView::PostsView(QWidget* parent)
    : QWidget(parent), file_(new QComboBox), table_(new QTableWidget(0, kColumns.size())),
      hide_(new QPushButton(QStringLiteral("選んだ投稿をクラスから隠す"))),
      putBack_(new QPushButton(QStringLiteral("選んだ投稿を元に戻す"))), note_(new QLabel) {
    setObjectName(QStringLiteral("postsView"));
    file_->setObjectName(QStringLiteral("postFile"));
    table_->setObjectName(QStringLiteral("postsTable"));
    hide_->setObjectName(QStringLiteral("hidePost"));
    putBack_->setObjectName(QStringLiteral("putBackPost"));
    file_->addItem(QStringLiteral("掲示板"));
    file_->addItem(QStringLiteral("タイムライン"));
    table_->setHorizontalHeaderLabels(kColumns);
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    note_->setWordWrap(true);
    note_->setText(QStringLiteral("隠した投稿は、端末が次に掲示板やタイムラインを開いたときから表示されません。"
                                  "消さずに取っておくので、いつでも元に戻せます。"));

    auto* top = new QHBoxLayout;
    top->addWidget(file_);
    top->addStretch(1);
    top->addWidget(hide_);
    top->addWidget(putBack_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(note_);

    connect(file_, &QComboBox::currentIndexChanged, this, [this] {
        shown_.clear();
        Fill({});
    });
    connect(table_, &QTableWidget::itemSelectionChanged, this, &PostsView::UpdateButtons);
    connect(hide_, &QPushButton::clicked, this, [this] {
        if (const ClassPost* post = Selected()) emit hideRequested(File(), *post);
    });
    connect(putBack_, &QPushButton::clicked, this, [this] {
        if (const ClassPost* post = Selected()) emit putBackRequested(File(), *post);
    });
    UpdateButtons();
}

void PostsView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) table_->resizeRowsToContents();
}

PostFile PostsView::File() const { return file_->currentIndex() == 1 ? PostFile::Timeline : PostFile::Board; }

void PostsView::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    UpdateButtons();
}

void PostsView::Show(const ClassSnapshot& snapshot, const ViewOptions& options) {
    const ClassPost* selected = Selected();
    const std::string selectedLine = selected ? selected->line : std::string();
    if (options.hideNames != options_.hideNames) shown_.clear();
    snapshot_ = snapshot;
    options_ = options;
    Fill(selectedLine);
}

const ClassPost* PostsView::Selected() const {
    const auto& posts = File() == PostFile::Board ? snapshot_.board : snapshot_.timeline;
    const int row = table_->currentRow();
    if (row < 0 || !table_->item(row, 0) || table_->selectedItems().isEmpty()) return nullptr;
    const auto position = table_->item(row, 0)->data(Qt::UserRole).toULongLong();
    return position < posts.size() ? &posts[position] : nullptr;
}

void PostsView::UpdateButtons() {
    const ClassPost* post = Selected();
    hide_->setEnabled(!readOnly_ && post && !post->hidden);
    putBack_->setEnabled(!readOnly_ && post && post->hidden);
}

void PostsView::Fill(const std::string& selectedLine) {
    const auto& posts = File() == PostFile::Board ? snapshot_.board : snapshot_.timeline;
    // Filled again only when the posts changed, so that a selection survives the refresh.
    std::vector<std::string> shown;
    for (const ClassPost& p : posts) shown.push_back((p.hidden ? "h" : "s") + p.line);
    if (shown == shown_) return;
    shown_ = std::move(shown);

    table_->setRowCount(static_cast<int>(posts.size()));
    int reselect = -1;
    // Newest first, as the board shows them.
    for (std::size_t i = 0; i < posts.size(); ++i) {
        const ClassPost& post = posts[posts.size() - 1 - i];
        const int row = static_cast<int>(i);
        auto* number = Cell(post.hidden ? QStringLiteral("隠し中") : QString::number(post.number), post.hidden);
        number->setData(Qt::UserRole, static_cast<qulonglong>(post.position));
        table_->setItem(row, 0, number);
        // A post may come from a station whose files are gone (a board copied from another class).
        const std::size_t station = StationIndex(snapshot_, post.station);
        const QString who = station < snapshot_.stations.size() ? StationLabel(snapshot_, station, options_)
                            : options_.hideNames                ? QStringLiteral("―")
                                                                : FromCp932(post.station);
        table_->setItem(row, 1, Cell(who, post.hidden));
        table_->setItem(row, 2, Cell(WhenText(post.time), post.hidden));
        table_->setItem(row, 3, Cell(FromWide(post.name), post.hidden));
        table_->setItem(row, 4, Cell(FromWide(post.text), post.hidden));
        if (!selectedLine.empty() && post.line == selectedLine) reselect = row;
    }
    table_->resizeRowsToContents();
    if (reselect >= 0) table_->selectRow(reselect);
    else table_->clearSelection();
    UpdateButtons();
}

} // namespace vq
