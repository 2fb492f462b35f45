#pragma once

#include "teacher/ShareFinding.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace vq {

// 準備と片付け: a new classroom folder, the check of its share, saving and tidying the lesson, the
// lessons saved before.
class PrepareView final : public QWidget {
    Q_OBJECT
public:
    explicit PrepareView(QWidget* parent = nullptr);
    // The folder shown, the lessons saved beside it, and whether a saved lesson is open now.
    void ShowFolder(const QString& folder, const QStringList& pastLessons, const QString& openLesson);
    void ShowOutcome(const QString& text);
    // The share check runs (its button waits), then what it found, or why it could not run.
    void ShowShareCheckRunning();
    void ShowShareFindings(const std::vector<ShareFinding>& findings);
    void ShowShareCheckFailed(const QString& message);

signals:
    void newClassroomRequested();
    void archiveRequested();
    void shareCheckRequested();
    void pastLessonRequested(const QString& name);
    void currentLessonRequested();

private:
    QLabel* folder_;
    QListWidget* past_;
    QPushButton* archive_;
    QPushButton* open_;
    QPushButton* current_;
    QLabel* outcome_;
    QPushButton* checkShare_;
    QLabel* shareSummary_;
    QWidget* findings_;
    QGridLayout* findingRows_;
};

} // namespace vq
