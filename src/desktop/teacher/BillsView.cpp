#include "desktop/teacher/BillsView.h"

#include "desktop/teacher/QtText.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>

#include <map>

namespace vq {
namespace {

// The kinds of use the class paid for, with the yen of the whole class, in the order first met.
std::vector<std::pair<std::u16string, std::int64_t>> ClassTotalByKind(const ClassSnapshot& snapshot) {
    std::vector<std::pair<std::u16string, std::int64_t>> kinds;
    for (const StationSummary& s : snapshot.stations)
        for (const BillRow& row : s.bill.rows) {
            if (row.yen == 0) continue;
            auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == row.title; });
            if (it == kinds.end()) kinds.emplace_back(row.title, row.yen);
            else it->second += row.yen;
        }
    std::stable_sort(kinds.begin(), kinds.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return kinds;
}

QFont Scaled(QFont font, double scale) {
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

QChart* NewChart(const QString& title, double scale) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(Scaled(QFont(), 1.15 * scale));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QValueAxis* YenAxis(std::int64_t highest, double scale) {
    auto* axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(QStringLiteral("円"));
    axis->setRange(0, highest > 0 ? static_cast<double>(highest) * 1.15 : 100.0);
    axis->applyNiceNumbers();
    axis->setLabelsFont(Scaled(QFont(), scale));
    return axis;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QChart* StationChart(const ClassSnapshot& snapshot, const ViewOptions& options, double scale) {
    auto* bills = new QBarSet(QStringLiteral("利用料金"));
    QStringList stations;
    std::int64_t highest = 0;
    for (std::size_t i = 0; i < snapshot.stations.size(); ++i) {
        const std::int64_t total = snapshot.stations[i].bill.total;
        *bills << static_cast<double>(total);
        stations << StationLabel(snapshot, i, options);
        highest = std::max(highest, total);
    }
    bills->setColor(QColor(0xe0, 0x4f, 0x3c));
    bills->setLabelColor(Qt::black);
    bills->setLabelFont(Scaled(QFont(), scale));
    auto* series = new QBarSeries;
    series->append(bills);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    QChart* chart = NewChart(QStringLiteral("端末ごとの利用料金"), scale);
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->append(stations);
    names->setLabelsFont(Scaled(QFont(), scale));
    if (stations.size() > 12) names->setLabelsAngle(-60);
    chart->addAxis(names, Qt::AlignBottom);
    series->attachAxis(names);
    QValueAxis* yen = YenAxis(highest, scale);
    chart->addAxis(yen, Qt::AlignLeft);
    series->attachAxis(yen);
    return chart;
}

QChart* KindChart(const ClassSnapshot& snapshot, double scale) {
    const auto kinds = ClassTotalByKind(snapshot);
    auto* byKind = new QBarSet(QStringLiteral("クラスの合計"));
    QStringList titles;
    std::int64_t largest = 0;
    for (auto it = kinds.rbegin(); it != kinds.rend(); ++it) { // the largest at the top
        *byKind << static_cast<double>(it->second);
        titles << FromWide(it->first);
        largest = std::max(largest, it->second);
    }
    byKind->setColor(QColor(0x3c, 0x7d, 0xd9));
    byKind->setLabelColor(Qt::black);
    byKind->setLabelFont(Scaled(QFont(), scale));
    auto* series = new QHorizontalBarSeries;
    series->append(byKind);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    QChart* chart = NewChart(QStringLiteral("使い方ごとのクラスの合計"), scale);
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->append(titles);
    names->setLabelsFont(Scaled(QFont(), scale));
    chart->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);
    QValueAxis* yen = YenAxis(largest, scale);
    chart->addAxis(yen, Qt::AlignBottom);
    series->attachAxis(yen);
    return chart;
}

void Replace(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

BillsView::BillsView(QWidget* parent)
    : QWidget(parent), stationChart_(new QChartView), kindChart_(new QChartView), table_(new QTableWidget) {
    setObjectName(QStringLiteral("billsView"));
    stationChart_->setObjectName(QStringLiteral("stationChart"));
    kindChart_->setObjectName(QStringLiteral("kindChart"));
    table_->setObjectName(QStringLiteral("billsTable"));
    for (QChartView* view : {stationChart_, kindChart_}) view->setRenderHint(QPainter::Antialiasing);
    table_->verticalHeader()->setVisible(false);
    table_->setAlternatingRowColors(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* charts = new QSplitter(Qt::Vertical);
    charts->addWidget(stationChart_);
    charts->addWidget(kindChart_);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(charts);
    split->addWidget(table_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);
}

void BillsView::SetTextScale(double scale) {
    scale_ = scale;
    shown_.clear();
    Rebuild();
}

void BillsView::Show(const ClassSnapshot& snapshot, const ViewOptions& options) {
    std::vector<std::u16string> shown;
    for (std::size_t i = 0; i < snapshot.stations.size(); ++i) {
        shown.push_back(StationLabel(snapshot, i, options).toStdU16String());
        for (const BillRow& row : snapshot.stations[i].bill.rows) shown.push_back(row.title + u":" + Utf8ToWide(std::to_string(row.count)));
    }
    if (shown == shown_) return;
    shown_ = std::move(shown);
    snapshot_ = snapshot;
    options_ = options;
    Rebuild();
}

void BillsView::Rebuild() {
    Replace(stationChart_, StationChart(snapshot_, options_, scale_));
    Replace(kindChart_, KindChart(snapshot_, scale_));

    // The table: total and every kind the class used, count and yen.
    std::vector<std::u16string> used;
    for (const StationSummary& s : snapshot_.stations)
        for (const BillRow& row : s.bill.rows)
            if (std::find(used.begin(), used.end(), row.title) == used.end()) used.push_back(row.title);
    QStringList header{QStringLiteral("端末"), QStringLiteral("合計")};
    for (const std::u16string& title : used) header << (title.empty() ? QStringLiteral("（題名なし）") : FromWide(title));
    table_->clear();
    table_->setColumnCount(header.size());
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(static_cast<int>(snapshot_.stations.size()));
    for (std::size_t i = 0; i < snapshot_.stations.size(); ++i) {
        const Bill& bill = snapshot_.stations[i].bill;
        const int row = static_cast<int>(i);
        table_->setItem(row, 0, Cell(StationLabel(snapshot_, i, options_)));
        auto* total = Cell(Yen(bill.total), Qt::AlignRight | Qt::AlignVCenter);
        total->setFont(Scaled(table_->font(), 1.0));
        table_->setItem(row, 1, total);
        for (std::size_t c = 0; c < used.size(); ++c) {
            const auto it = std::find_if(bill.rows.begin(), bill.rows.end(), [&](const BillRow& r) { return r.title == used[c]; });
            if (it == bill.rows.end()) continue;
            table_->setItem(row, static_cast<int>(c) + 2,
                            Cell(QStringLiteral("%1回 %2").arg(it->count).arg(Yen(it->yen)), Qt::AlignRight | Qt::AlignVCenter));
        }
    }
    table_->resizeRowsToContents();
}

QImage BillsView::StationChartImage(QSize size) const {
    // Drawn anew at the size asked for, whether or not the view is on screen.
    QChartView view(StationChart(snapshot_, options_, 1.0));
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(size);
    return view.grab().toImage();
}

} // namespace vq
