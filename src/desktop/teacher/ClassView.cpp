#include "desktop/teacher/ClassView.h"

#include "desktop/teacher/QtText.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vq {
namespace {

// Two lines where a heading is long, so that the columns fit the width in large type too.
const QStringList kColumns{QStringLiteral("端末"),           QStringLiteral("状態"),           QStringLiteral("最後の\n操作"),
                           QStringLiteral("料金"),           QStringLiteral("送信\nメール"),   QStringLiteral("受信\nメール"),
                           QStringLiteral("掲示板"),         QStringLiteral("タイム\nライン"), QStringLiteral("プロフ"),
                           QStringLiteral("危険な\nサイト")};

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* Count(std::int64_t n) { return Cell(QString::number(n), Qt::AlignRight | Qt::AlignVCenter); }

QTableWidgetItem* RunningCell(StationRunning running) {
    switch (running) {
    case StationRunning::Yes: {
        auto* item = Cell(QStringLiteral("● 起動中"));
        item->setForeground(QColor(0x1b, 0x7f, 0x2a));
        return item;
    }
    case StationRunning::Unknown: {
        auto* item = Cell(QStringLiteral("？"));
        item->setToolTip(QStringLiteral("この共有フォルダでは、起動中かどうかを確かめられません。"));
        return item;
    }
    case StationRunning::No: break;
    }
    auto* item = Cell(QStringLiteral("―"));
    item->setForeground(QColor(0x77, 0x77, 0x77));
    item->setToolTip(QStringLiteral("起動していません"));
    return item;
}

} // namespace

ClassView::ClassView(QWidget* parent) : QWidget(parent), summary_(new QLabel), table_(new QTableWidget(0, kColumns.size())) {
    setObjectName(QStringLiteral("classView"));
    table_->setObjectName(QStringLiteral("classTable"));
    table_->setHorizontalHeaderLabels(kColumns);
    table_->verticalHeader()->setVisible(false);
    table_->setAlternatingRowColors(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The columns share the width: at the front of the room the table fills the screen.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setMinimumSectionSize(60);
    summary_->setObjectName(QStringLiteral("classSummary"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
}

void ClassView::Show(const ClassSnapshot& snapshot, const ViewOptions& options) {
    std::int64_t total = 0;
    int running = 0;
    for (const StationSummary& s : snapshot.stations) {
        total += s.bill.total;
        running += s.running == StationRunning::Yes ? 1 : 0;
    }
    summary_->setText(snapshot.stations.empty()
                          ? QStringLiteral("まだ端末がありません。端末の VelquinLAN をこの教室フォルダで起動してください。")
                          : QStringLiteral("端末 %1台（起動中 %2台）　クラスの利用料金の合計 %3")
                                .arg(snapshot.stations.size())
                                .arg(running)
                                .arg(Yen(total)));
    table_->setRowCount(static_cast<int>(snapshot.stations.size()));
    for (std::size_t i = 0; i < snapshot.stations.size(); ++i) {
        const StationSummary& s = snapshot.stations[i];
        const int row = static_cast<int>(i);
        table_->setItem(row, 0, Cell(StationLabel(snapshot, i, options)));
        table_->setItem(row, 1, RunningCell(s.running));
        table_->setItem(row, 2, Cell(WhenText(s.lastActivity)));
        QTableWidgetItem* bill = Cell(Yen(s.bill.total), Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = table_->font();
        bold.setBold(true);
        bill->setFont(bold);
        table_->setItem(row, 3, bill);
        table_->setItem(row, 4, Count(s.mailsSent));
        table_->setItem(row, 5, Count(s.mailsReceived));
        table_->setItem(row, 6, Count(s.boardPosts));
        table_->setItem(row, 7, Count(s.timelinePosts));
        table_->setItem(row, 8, Count(s.profiles));
        table_->setItem(row, 9, Count(s.riskClicks));
    }
    table_->resizeRowsToContents();
}

} // namespace vq
