#pragma once

#include <QWidget>

class QLabel;

namespace vq {

// 書き出し: the debrief and the bills as a PDF to print and as CSV for a spreadsheet.
class ExportView final : public QWidget {
    Q_OBJECT
public:
    explicit ExportView(QWidget* parent = nullptr);
    void ShowOutcome(const QString& text);

signals:
    void pdfRequested();
    void csvRequested();

private:
    QLabel* outcome_;
};

} // namespace vq
