#include "desktop/teacher/BillsView.h"

#include "desktop/teacher/QtText.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetrics>
#include <QVBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>

#include <map>

namespace vq {
namespace {

// The kinds of use the class paid for, with the yen of the whole class, the most expensive first;
// beyond the bars the chart has room for, the rest as one "その他".
std::vector<std::pair<std::u16string, std::int64_t>> ClassTotalByKind(const ClassSnapshot& snapshot, std::size_t bars) {
    std::vector<std::pair<std::u16string, std::int64_t>> kinds;
    for (const StationSummary& s : snapshot.stations)
        for (const BillRow& row : s.bill.rows) {
            if (row.yen == 0) continue;
            auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == row.title; });
            if (it == kinds.end()) kinds.emplace_back(row.title, row.yen);
            else it->second += row.yen;
        }
    std::stable_sort(kinds.begin(), kinds.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    if (kinds.size() > bars) {
        std::int64_t rest = 0;
        for (std::size_t i = bars - 1; i < kinds.size(); ++i) rest += kinds[i].second;
        kinds.resize(bars - 1);
        kinds.emplace_back(u"その他", rest);
    }
    return kinds;
}

QFont Scaled(QFont font, double scale) {
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// The charts draw their own texts; they take the view's type, large on a projector.

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// What a bar chart shows: one bar per category, in yen, with its value written at its end.
struct Bars {
    QString title;
    QStringList categories;
    QList<double> yen;
    QColor colour;
};

// Vertical bars with the categories below them, or horizontal ones with the categories on the left.
QChart* BarChart(const Bars& bars, bool horizontal, const QFont& font) {
    auto* set = new QBarSet(bars.title);
    set->append(bars.yen);
    set->setColor(bars.colour);
    set->setLabelColor(Qt::black);
    set->setLabelFont(font);
    QAbstractBarSeries* series = horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries) : new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));

    auto* chart = new QChart;
    chart->setTitle(bars.title);
    chart->setTitleFont(Scaled(font, 1.2));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->setTruncateLabels(false); // a station or a kind of use is read whole, never as "…"
    names->append(bars.categories);
    names->setLabelsFont(font);
    if (!horizontal && bars.categories.size() > 12) names->setLabelsAngle(-60);
    chart->addAxis(names, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(names);
    auto* yen = new QValueAxis;
    yen->setLabelFormat(QStringLiteral("%d"));
    yen->setTitleText(QStringLiteral("円"));
    const double highest = bars.yen.isEmpty() ? 0 : *std::max_element(bars.yen.begin(), bars.yen.end());
    yen->setRange(0, highest > 0 ? highest * 1.15 : 100.0);
    yen->applyNiceNumbers();
    yen->setLabelsFont(font);
    yen->setTitleFont(font);
    chart->addAxis(yen, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(yen);
    return chart;
}

QChart* StationChart(const ClassSnapshot& snapshot, const ViewOptions& options, const QFont& font) {
    Bars bars{QStringLiteral("端末ごとの利用料金"), {}, {}, QColor(0xe0, 0x4f, 0x3c)};
    for (std::size_t i = 0; i < snapshot.stations.size(); ++i) {
        bars.categories << StationLabel(snapshot, i, options);
        bars.yen << static_cast<double>(snapshot.stations[i].bill.total);
    }
    return BarChart(bars, false, font);
}

QChart* KindChart(const ClassSnapshot& snapshot, const QFont& font, std::size_t count) {
    const auto kinds = ClassTotalByKind(snapshot, count);
    Bars bars{QStringLiteral("使い方ごとのクラスの合計"), {}, {}, QColor(0x3c, 0x7d, 0xd9)};
    for (auto it = kinds.rbegin(); it != kinds.rend(); ++it) { // the largest at the top
        bars.categories << FromWide(it->first);
        bars.yen << static_cast<double>(it->second);
    }
    return BarChart(bars, true, font);
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
    kindChart_->installEventFilter(this);
    table_->installEventFilter(this);
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({QStringLiteral("端末"), QStringLiteral("合計"), QStringLiteral("内訳")});
    table_->verticalHeader()->setVisible(false);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    // The two charts side by side, each tall enough for its labels in large type; the table under
    // them across the whole width, one line or two a station.
    auto* charts = new QSplitter(Qt::Horizontal);
    charts->addWidget(stationChart_);
    charts->addWidget(kindChart_);
    charts->setSizes({600, 600});
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(charts);
    split->addWidget(table_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({480, 320});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
}

// As many bars as the chart's height gives every label a line of its own, at most eight.
std::size_t BillsView::KindBars() const {
    const int line = QFontMetrics(font()).height();
    const int room = kindChart_->height() - 5 * line; // title, axis and its title, margins
    return static_cast<std::size_t>(std::clamp(room / (line * 13 / 10), 3, 8));
}

bool BillsView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == kindChart_ && event->type() == QEvent::Resize && KindBars() != shownBars_)
        Replace(kindChart_, KindChart(snapshot_, font(), shownBars_ = KindBars()));
    // A wrapped breakdown needs its rows measured at the width they have now.
    if (watched == table_ && event->type() == QEvent::Resize) table_->resizeRowsToContents();
    return QWidget::eventFilter(watched, event);
}

void BillsView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) Rebuild();
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
    Replace(stationChart_, StationChart(snapshot_, options_, font()));
    shownBars_ = KindBars();
    Replace(kindChart_, KindChart(snapshot_, font(), shownBars_));

    // The table: the total and what it is made of.
    table_->setRowCount(static_cast<int>(snapshot_.stations.size()));
    for (std::size_t i = 0; i < snapshot_.stations.size(); ++i) {
        const Bill& bill = snapshot_.stations[i].bill;
        const int row = static_cast<int>(i);
        QStringList parts;
        for (const BillRow& r : bill.rows)
            parts << QStringLiteral("%1 %2回 %3").arg(r.title.empty() ? QStringLiteral("（題名なし）") : FromWide(r.title),
                                                     QString::number(r.count), Yen(r.yen));
        table_->setItem(row, 0, Cell(StationLabel(snapshot_, i, options_)));
        QTableWidgetItem* total = Cell(Yen(bill.total), Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = table_->font();
        bold.setBold(true);
        total->setFont(bold);
        table_->setItem(row, 1, total);
        table_->setItem(row, 2, Cell(parts.join(QStringLiteral("、"))));
    }
    table_->resizeRowsToContents();
}

QImage BillsView::StationChartImage(QSize size) const {
    // Drawn anew at the size asked for, whether or not the view is on screen.
    QChartView view(StationChart(snapshot_, options_, font()));
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(size);
    return view.grab().toImage();
}

} // namespace vq
