#include "desktop/teacher/ExportView.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vq {

ExportView::ExportView(QWidget* parent) : QWidget(parent), outcome_(new QLabel) {
    setObjectName(QStringLiteral("exportView"));
    outcome_->setObjectName(QStringLiteral("exportOutcome"));
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* explanation = new QLabel(QStringLiteral(
        "ふりかえりと料金を書き出します。PDF は印刷して配ったり掲示したりするのに、CSV（UTF-8）は表計算ソフトで開くのに使えます。"
        "上の「名前を隠す」「入力内容を伏せる」の設定は、書き出すものにも使われます。"));
    explanation->setWordWrap(true);
    auto* pdf = new QPushButton(QStringLiteral("PDF に書き出す…"));
    pdf->setObjectName(QStringLiteral("exportPdf"));
    auto* csv = new QPushButton(QStringLiteral("CSV に書き出す…"));
    csv->setObjectName(QStringLiteral("exportCsv"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(pdf, 0, Qt::AlignLeft);
    layout->addWidget(csv, 0, Qt::AlignLeft);
    layout->addWidget(outcome_);
    layout->addStretch(1);
    connect(pdf, &QPushButton::clicked, this, &ExportView::pdfRequested);
    connect(csv, &QPushButton::clicked, this, &ExportView::csvRequested);
}

void ExportView::ShowOutcome(const QString& text) { outcome_->setText(text); }

} // namespace vq
