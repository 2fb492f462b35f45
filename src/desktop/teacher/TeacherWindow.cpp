#include "desktop/teacher/TeacherWindow.h"

#include "desktop/teacher/BillsView.h"
#include "desktop/teacher/ClassView.h"
#include "desktop/teacher/DebriefView.h"
#include "desktop/teacher/ExportView.h"
#include "desktop/teacher/LessonLabel.h"
#include "desktop/teacher/PostsView.h"
#include "desktop/teacher/PrepareView.h"
#include "desktop/teacher/QtText.h"
#include "desktop/teacher/ReportPdf.h"
#include "platform/PlatformError.h"
#include "teacher/LessonArchive.h"
#include "teacher/NewClassroom.h"
#include "teacher/PostModeration.h"
#include "teacher/ShareCheck.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QtConcurrent>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {
namespace {

// Often enough to follow a lesson; on a share every refresh costs a listing of three folders and a
// question to each inbox.
constexpr int kRefreshMs = 4000;
constexpr double kLargeTypeScale = 1.6;
constexpr double kNormalPointSize = 11;

// Japanese glyphs from a Japanese font: left to the system's fallback, kanji may come in their
// Chinese forms when the desktop's language is not Japanese.
QFont ConsoleFont() {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), QStringLiteral("IPAexGothic"),
                      QStringLiteral("IPAGothic"), font.family()});
    font.setPointSizeF(std::max(font.pointSizeF(), kNormalPointSize));
    return font;
}

QString Message(const PlatformError& e) { return QString::fromStdString(e.what()); }

} // namespace

TeacherWindow::TeacherWindow(ClassroomFolder folder, std::string bundledDataFolder, const Clock& clock, QWidget* parent)
    : QMainWindow(parent), current_(std::move(folder)), bundledDataFolder_(std::move(bundledDataFolder)), clock_(clock),
      normalFont_(ConsoleFont()), tabs_(new QTabWidget), classView_(new ClassView), debriefView_(new DebriefView),
      billsView_(new BillsView), postsView_(new PostsView), prepareView_(new PrepareView), exportView_(new ExportView),
      banner_(new QLabel), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("teacherWindow"));
    tabs_->setObjectName(QStringLiteral("views"));
    banner_->setObjectName(QStringLiteral("pastLessonBanner"));
    banner_->setStyleSheet(QStringLiteral("background:#fff3c4; padding:6px; border:1px solid #e0c060;"));
    banner_->hide();

    tabs_->addTab(classView_, QStringLiteral("クラスの様子"));
    tabs_->addTab(debriefView_, QStringLiteral("ふりかえり"));
    tabs_->addTab(billsView_, QStringLiteral("料金"));
    tabs_->addTab(postsView_, QStringLiteral("掲示板・タイムライン"));
    tabs_->addTab(prepareView_, QStringLiteral("準備と片付け"));
    tabs_->addTab(exportView_, QStringLiteral("書き出し"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(banner_);
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    BuildToolBar();
    resize(1200, 800);

    connect(postsView_, &PostsView::hideRequested, this, [this](PostFile file, const ClassPost& post) { Moderate(file, post, true); });
    connect(postsView_, &PostsView::putBackRequested, this, [this](PostFile file, const ClassPost& post) { Moderate(file, post, false); });
    connect(prepareView_, &PrepareView::newClassroomRequested, this, &TeacherWindow::AskNewClassroom);
    connect(prepareView_, &PrepareView::archiveRequested, this, &TeacherWindow::AskArchive);
    connect(prepareView_, &PrepareView::shareCheckRequested, this, &TeacherWindow::CheckShareInBackground);
    connect(prepareView_, &PrepareView::pastLessonRequested, this, &TeacherWindow::OpenPastLesson);
    connect(prepareView_, &PrepareView::currentLessonRequested, this, &TeacherWindow::ReturnToCurrentLesson);
    connect(exportView_, &ExportView::pdfRequested, this, &TeacherWindow::AskPdf);
    connect(exportView_, &ExportView::csvRequested, this, &TeacherWindow::AskCsv);
    connect(timer_, &QTimer::timeout, this, &TeacherWindow::RefreshInBackground);
    connect(&background_, &QFutureWatcher<Refreshed>::finished, this, [this] { TakeRefreshed(background_.result()); });
    connect(&shareCheck_, &QFutureWatcher<ShareChecked>::finished, this, [this] {
        const ShareChecked checked = shareCheck_.result();
        if (checked.error.isEmpty()) prepareView_->ShowShareFindings(checked.findings);
        else prepareView_->ShowShareCheckFailed(checked.error);
    });

    Watch(current_);
    SetLargeType(QSettings().value(QStringLiteral("largeType"), false).toBool());
}

TeacherWindow::~TeacherWindow() { WaitForWorkers(); }

// A file lock belongs to the whole process and goes when any handle of the file closes: while
// moderation or the archive holds locks, no worker may open and close the files they lock (the
// refresh reads the board, the share check tries the inboxes' station locks).
void TeacherWindow::WaitForWorkers() {
    background_.waitForFinished();
    shareCheck_.waitForFinished();
}

void TeacherWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("表示"));
    bar->setObjectName(QStringLiteral("viewBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    largeType_ = bar->addAction(QStringLiteral("大きな文字"));
    largeType_->setObjectName(QStringLiteral("largeType"));
    largeType_->setCheckable(true);
    largeType_->setToolTip(QStringLiteral("プロジェクターで見やすい大きさの文字にします"));
    hideNames_ = bar->addAction(QStringLiteral("名前を隠す"));
    hideNames_->setObjectName(QStringLiteral("hideNames"));
    hideNames_->setCheckable(true);
    hideNames_->setToolTip(QStringLiteral("端末の名前を「生徒1」などに置きかえます"));
    maskValues_ = bar->addAction(QStringLiteral("入力内容を伏せる"));
    maskValues_->setObjectName(QStringLiteral("maskValues"));
    maskValues_->setCheckable(true);
    maskValues_->setToolTip(QStringLiteral("電話番号の下4けたなどを＊で伏せます"));
    bar->addSeparator();
    QAction* refresh = bar->addAction(QStringLiteral("今すぐ更新"));
    connect(refresh, &QAction::triggered, this, &TeacherWindow::Refresh);
    connect(largeType_, &QAction::toggled, this, [this](bool on) {
        SetLargeType(on);
        QSettings().setValue(QStringLiteral("largeType"), on);
    });
    const auto options = [this] { SetOptions({hideNames_->isChecked(), maskValues_->isChecked()}); };
    connect(hideNames_, &QAction::toggled, this, options);
    connect(maskValues_, &QAction::toggled, this, options);
}

void TeacherWindow::SetLargeType(bool large) {
    if (largeType_->isChecked() != large) {
        largeType_->setChecked(large); // comes back here through the toggle
        return;
    }
    QFont font = normalFont_;
    const double scale = large ? kLargeTypeScale : 1.0;
    font.setPointSizeF(normalFont_.pointSizeF() * scale);
    // For the whole program, so that its dialogs and messages read as well as the window.
    QApplication::setFont(font);
    setFont(font); // at once; the application's font reaches its widgets through the event loop
    // Table headers take the platform's header font instead of their table's unless told.
    for (QHeaderView* header : findChildren<QHeaderView*>()) header->setFont(font);
    // A label with a style sheet of its own keeps the font it was polished with.
    banner_->setFont(font);
    ShowSnapshot();
}

void TeacherWindow::SetOptions(const ViewOptions& options) {
    options_ = options;
    hideNames_->setChecked(options.hideNames);
    maskValues_->setChecked(options.maskValues);
    ShowSnapshot();
}

const ClassSnapshot& TeacherWindow::Snapshot() const { return shown_; }

void TeacherWindow::Watch(const ClassroomFolder& folder) {
    background_.waitForFinished();
    watcher_ = std::make_shared<ClassWatcher>(folder, ShowsPastLesson() ? AppendedLines::Tail::TakeAsIs
                                                                       : AppendedLines::Tail::WaitUntilSettled);
    postsView_->SetReadOnly(ShowsPastLesson());
    if (ShowsPastLesson()) {
        timer_->stop();
        banner_->setText(QStringLiteral("保存した授業（%1）を見ています。見るだけで、変えることはできません。"
                                        "「準備と片付け」の「今の授業に戻る」で戻れます。")
                             .arg(LessonLabel(pastLesson_)));
        banner_->show();
    } else {
        timer_->start(kRefreshMs);
        banner_->hide();
    }
    const QString name = QFileInfo(FromCp932(current_.Root())).fileName();
    // Qt adds the program's name, which says 先生用コンソール.
    setWindowTitle(QStringLiteral("%1%2")
                       .arg(name, ShowsPastLesson() ? QStringLiteral("（保存した授業 %1）").arg(LessonLabel(pastLesson_)) : QString()));
    Refresh();
}

namespace {

QString RefreshedMessage(bool pastLesson) {
    if (pastLesson) return QStringLiteral("保存した授業を表示しています");
    return QStringLiteral("%1 に更新しました（%2秒ごとに更新）")
        .arg(QTime::currentTime().toString(QStringLiteral("H:mm:ss")))
        .arg(kRefreshMs / 1000);
}

} // namespace

void TeacherWindow::Refresh() {
    background_.waitForFinished();
    Refreshed refreshed{watcher_, {}, {}};
    try {
        refreshed.snapshot = watcher_->Refresh();
    } catch (const PlatformError& e) {
        refreshed.error = Message(e);
    }
    TakeRefreshed(refreshed);
}

void TeacherWindow::RefreshInBackground() {
    if (background_.isRunning()) return; // a slow share: the next tick comes after this one ends
    background_.setFuture(QtConcurrent::run([watcher = watcher_]() -> Refreshed {
        try {
            return {watcher, watcher->Refresh(), {}};
        } catch (const PlatformError& e) {
            return {watcher, {}, Message(e)};
        }
    }));
}

void TeacherWindow::TakeRefreshed(const Refreshed& refreshed) {
    if (refreshed.watcher != watcher_) return;
    if (refreshed.error.isEmpty()) {
        shown_ = refreshed.snapshot;
        statusBar()->showMessage(RefreshedMessage(ShowsPastLesson()));
    } else {
        statusBar()->showMessage(QStringLiteral("教室フォルダを読めませんでした（次の更新でもう一度読みます）: ") + refreshed.error);
    }
    ShowSnapshot();
    ShowFolder();
}

void TeacherWindow::ShowSnapshot() {
    const ClassSnapshot& snapshot = shown_;
    classView_->Show(snapshot, options_);
    debriefView_->Show(snapshot, options_, watcher_->Folder());
    billsView_->Show(snapshot, options_);
    postsView_->Show(snapshot, options_);
}

void TeacherWindow::ShowFolder() {
    QStringList past;
    try {
        for (const std::string& name : PastLessons(current_)) past << FromCp932(name);
    } catch (const PlatformError&) {
        // The list stays empty; the status bar already tells of a folder that cannot be read.
    }
    prepareView_->ShowFolder(FromCp932(current_.Root()), past, pastLesson_);
}

void TeacherWindow::Moderate(PostFile file, const ClassPost& post, bool hide) {
    WaitForWorkers();
    try {
        if (hide) HidePost(watcher_->Folder(), file, post);
        else PutBackPost(watcher_->Folder(), file, post);
    } catch (const PlatformError& e) {
        QMessageBox::warning(this, windowTitle(), Message(e));
    }
    Refresh();
}

QString TeacherWindow::CreateClassroomAt(const QString& folder) {
    try {
        CreateClassroom(ToCp932(folder), bundledDataFolder_);
        return QStringLiteral("クラスフォルダを作成しました: %1\n各端末の VelquinLAN を、このフォルダで起動してください。").arg(folder);
    } catch (const PlatformError& e) {
        return Message(e);
    }
}

void TeacherWindow::CheckShareInBackground() {
    if (shareCheck_.isRunning()) return;
    prepareView_->ShowShareCheckRunning();
    shareCheck_.setFuture(QtConcurrent::run([folder = current_.Root()]() -> ShareChecked {
        try {
            DiskShareAccess share;
            return {CheckShare(folder, share), {}};
        } catch (const std::exception& e) {
            return {{}, QString::fromStdString(e.what())};
        }
    }));
}

QString TeacherWindow::ArchiveLesson() {
    WaitForWorkers();
    QString text;
    try {
        const ArchiveOutcome outcome = vq::ArchiveLesson(current_, clock_.Now());
        text = QStringLiteral("授業を保存しました（%1個のファイル）: %2\n次のクラスは 0円から始まります。")
                   .arg(outcome.files)
                   .arg(FromCp932(outcome.folder));
        for (const std::string& note : outcome.notes) text += QLatin1Char('\n') + QString::fromStdString(note);
        // The files were replaced: the watcher reads them anew.
        Watch(current_);
    } catch (const PlatformError& e) {
        text = Message(e);
    }
    prepareView_->ShowOutcome(text);
    return text;
}

void TeacherWindow::OpenPastLesson(const QString& name) {
    try {
        const ClassroomFolder lesson = ClassroomFolder::Open(current_.BesideData("archive/" + ToCp932(name)));
        pastLesson_ = name;
        Watch(lesson);
        tabs_->setCurrentWidget(debriefView_);
    } catch (const PlatformError& e) {
        QMessageBox::warning(this, windowTitle(), Message(e));
    }
}

void TeacherWindow::ReturnToCurrentLesson() {
    pastLesson_.clear();
    Watch(current_);
}

QString TeacherWindow::ReportHeading() const {
    const QString name = QFileInfo(FromCp932(current_.Root())).fileName();
    if (ShowsPastLesson()) return QStringLiteral("授業の記録　%1　%2").arg(name, LessonLabel(pastLesson_));
    return QStringLiteral("授業の記録　%1　%2").arg(name, QDate::currentDate().toString(QStringLiteral("yyyy年M月d日")));
}

QString TeacherWindow::ExportPdf(const QString& file) {
    QString text;
    try {
        WriteReportPdf(file, ReportHeading(), shown_, options_, watcher_->Folder(),
                       billsView_->StationChartImage(QSize(1000, 450)));
        text = QStringLiteral("PDF に書き出しました: %1").arg(file);
    } catch (const PlatformError& e) {
        text = Message(e);
    }
    exportView_->ShowOutcome(text);
    return text;
}

QString TeacherWindow::ExportCsv(const QString& file) {
    QString text;
    try {
        WriteReportCsv(file, shown_, options_);
        text = QStringLiteral("CSV に書き出しました: %1").arg(file);
    } catch (const PlatformError& e) {
        text = Message(e);
    }
    exportView_->ShowOutcome(text);
    return text;
}

QString TeacherWindow::SuggestedFileName(const QString& suffix) const {
    const QString when = ShowsPastLesson() ? pastLesson_ : QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    return QDir(FromCp932(current_.Root())).filePath(QStringLiteral("授業の記録_%1.%2").arg(when, suffix));
}

void TeacherWindow::AskNewClassroom() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("新しいクラスフォルダにするフォルダを選んでください（空のフォルダ、または新しく作ったフォルダ）"));
    if (folder.isEmpty()) return;
    const QString text = CreateClassroomAt(folder);
    prepareView_->ShowOutcome(text);
}

void TeacherWindow::AskArchive() {
    const auto answer = QMessageBox::question(
        this, QStringLiteral("授業を保存して片付ける"),
        QStringLiteral("この授業の記録を archive フォルダに保存し、data フォルダを次の授業のために片付けます。\n"
                       "すべての端末を終了してから実行してください。\n\n実行しますか？"));
    if (answer == QMessageBox::Yes) ArchiveLesson();
}

void TeacherWindow::AskPdf() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("PDF に書き出す"), SuggestedFileName(QStringLiteral("pdf")),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!file.isEmpty()) ExportPdf(file);
}

void TeacherWindow::AskCsv() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("CSV に書き出す"), SuggestedFileName(QStringLiteral("csv")),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!file.isEmpty()) ExportCsv(file);
}

} // namespace vq
