#pragma once

#include "desktop/teacher/ViewOptions.h"
#include "platform/Clock.h"
#include "teacher/ClassWatcher.h"
#include "teacher/ShareFinding.h"

#include <QFutureWatcher>
#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QTabWidget;
class QTimer;

namespace vq {

class BillsView;
class ClassView;
class DebriefView;
class ExportView;
class PostsView;
class PrepareView;

// The teacher's console: the class of one classroom folder in six views, refreshed every few
// seconds, or a saved lesson, read-only. The work itself is the core's; the window asks for file
// names and confirmations and shows what came of it.
class TeacherWindow final : public QMainWindow {
    Q_OBJECT
public:
    TeacherWindow(ClassroomFolder folder, std::string bundledDataFolder, const Clock& clock, QWidget* parent = nullptr);
    ~TeacherWindow() override;

    // What the buttons do once the teacher has chosen and confirmed; each returns what it shows.
    QString CreateClassroomAt(const QString& folder);
    QString ArchiveLesson();
    // Checks the classroom folder's share on a worker thread (it takes seconds on a slow share) and
    // shows the findings in 準備と片付け when it is done.
    void CheckShareInBackground();
    [[nodiscard]] bool ChecksShare() const { return shareCheck_.isRunning(); }
    QString ExportPdf(const QString& file);
    QString ExportCsv(const QString& file);
    void OpenPastLesson(const QString& name);
    void ReturnToCurrentLesson();

    void SetLargeType(bool large);
    void SetOptions(const ViewOptions& options);
    // Reads what changed and shows it, waiting for it.
    void Refresh();
    // The same on a worker thread, for the timer: on a share a refresh of forty stations takes a
    // quarter of a second, which the window must not freeze for.
    void RefreshInBackground();

    [[nodiscard]] const ClassSnapshot& Snapshot() const;
    [[nodiscard]] bool ShowsPastLesson() const { return !pastLesson_.isEmpty(); }

private:
    // What a refresh on the worker thread brings back, with the watcher it came from: a watcher
    // replaced meanwhile (another lesson opened) has its result dropped.
    struct Refreshed {
        std::shared_ptr<ClassWatcher> watcher;
        ClassSnapshot snapshot;
        QString error;
    };

    // The share check's findings, or why it could not run.
    struct ShareChecked {
        std::vector<ShareFinding> findings;
        QString error;
    };

    void BuildToolBar();
    void WaitForWorkers();
    void TakeRefreshed(const Refreshed& refreshed);
    void ShowSnapshot();
    void ShowFolder();
    void Watch(const ClassroomFolder& folder);
    void Moderate(PostFile file, const ClassPost& post, bool hide);
    void AskNewClassroom();
    void AskArchive();
    void AskPdf();
    void AskCsv();
    [[nodiscard]] QString ReportHeading() const;
    [[nodiscard]] QString SuggestedFileName(const QString& suffix) const;

    ClassroomFolder current_;
    std::string bundledDataFolder_;
    const Clock& clock_;
    std::shared_ptr<ClassWatcher> watcher_; // used by one thread at a time: the worker while it refreshes
    ClassSnapshot shown_;
    QFutureWatcher<Refreshed> background_;
    QFutureWatcher<ShareChecked> shareCheck_;
    QString pastLesson_;
    ViewOptions options_;
    QFont normalFont_;

    QTabWidget* tabs_;
    ClassView* classView_;
    DebriefView* debriefView_;
    BillsView* billsView_;
    PostsView* postsView_;
    PrepareView* prepareView_;
    ExportView* exportView_;
    QLabel* banner_;
    QAction* largeType_;
    QAction* hideNames_;
    QAction* maskValues_;
    QTimer* timer_;
};

} // namespace vq
