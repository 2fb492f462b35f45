#pragma once

#include "desktop/teacher/ViewOptions.h"
#include "teacher/ClassPosts.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vq {

// 掲示板・タイムライン: every post with its station and time; a post can be hidden from the class
// and put back.
class PostsView final : public QWidget {
    Q_OBJECT
public:
    explicit PostsView(QWidget* parent = nullptr);
    void Show(const ClassSnapshot& snapshot, const ViewOptions& options);
    // A saved lesson is shown as it was: nothing can be hidden or put back.
    void SetReadOnly(bool readOnly);

    [[nodiscard]] PostFile File() const;

protected:
    // Rows are measured anew in a new type size.
    void changeEvent(QEvent* event) override;

signals:
    void hideRequested(vq::PostFile file, const vq::ClassPost& post);
    void putBackRequested(vq::PostFile file, const vq::ClassPost& post);

private:
    // Keeps the post of selectedLine selected.
    void Fill(const std::string& selectedLine);
    void UpdateButtons();
    const ClassPost* Selected() const;

    QComboBox* file_;
    QTableWidget* table_;
    QPushButton* hide_;
    QPushButton* putBack_;
    QLabel* note_;
    ClassSnapshot snapshot_;
    ViewOptions options_;
    bool readOnly_ = false;
    std::vector<std::string> shown_;
};

} // namespace vq
