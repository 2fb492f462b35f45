#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vq {

// 準備と片付け: a new classroom folder, saving and tidying the lesson, the lessons saved before.
class PrepareView final : public QWidget {
    Q_OBJECT
public:
    explicit PrepareView(QWidget* parent = nullptr);
    // The folder shown, the lessons saved beside it, and whether a saved lesson is open now.
    void ShowFolder(const QString& folder, const QStringList& pastLessons, const QString& openLesson);
    void ShowOutcome(const QString& text);

signals:
    void newClassroomRequested();
    void archiveRequested();
    void pastLessonRequested(const QString& name);
    void currentLessonRequested();

private:
    QLabel* folder_;
    QListWidget* past_;
    QPushButton* archive_;
    QPushButton* open_;
    QPushButton* current_;
    QLabel* outcome_;
};

} // namespace vq
