#pragma once

#include <QKeyEvent>
#include <QListWidget>

namespace vq {

// The mail panel's list box ListBox1, which tells when the pupil chooses a row: a click on a row
// (also the row already chosen) or an arrow key. The current row also changes by itself, e.g. when
// the list gets the focus back without a current row and makes its first row current; that is no
// choice and must not count as a click.
class MailListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit MailListBox(QWidget* parent) : QListWidget(parent) {
        connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit chosen(row(item)); });
    }

signals:
    void chosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int before = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != before && currentRow() >= 0) emit chosen(currentRow());
    }
};

} // namespace vq
