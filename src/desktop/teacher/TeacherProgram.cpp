#include "desktop/teacher/TeacherProgram.h"

#include "desktop/teacher/TeacherWindow.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "teacher/NewClassroom.h"

namespace fs = std::filesystem;

namespace vq {

TeacherProgram::TeacherProgram(Places places, std::string bundledDataFolder, const Clock& clock)
    : ClassroomProgram(std::move(places)), bundledDataFolder_(std::move(bundledDataFolder)), clock_(clock) {}

TeacherProgram::~TeacherProgram() = default;

void TeacherProgram::StartOn(const fs::path& classroom) {
    window_ = std::make_unique<TeacherWindow>(ClassroomFolder(FromNativeName(classroom.string())), bundledDataFolder_, clock_);
    window_->show();
}

FirstRunWindow::Wording TeacherProgram::FirstRunWording() const {
    return {QStringLiteral("先生用コンソールは「教室フォルダ」のクラスの様子を表示します。教室フォルダは data フォルダを含む"
                           "フォルダで、教材のページと、生徒のスマートフォン（VelquinLAN）が書くメール・掲示板・プロフ・"
                           "利用の記録が入っています。授業では、生徒のすべての PC とこの PC が同じ教室フォルダ（ふつうは"
                           "学校の共有フォルダ）を使います。はじめてのクラスは「新しいクラスフォルダを作る…」で、共有"
                           "フォルダの中の空のフォルダを選んで作ってください。"),
            QStringLiteral("見本のクラスを開く"),
            QStringLiteral("見本のクラスは %1 のコピーを開きます（まだなければコピーします）。この PC の VelquinLAN で"
                           "「見本のクラスで試す」を選んだときと同じフォルダなので、試した様子をここで見られます。"),
            QStringLiteral("管理者の方へ: 教室フォルダを引数にして起動すると、この画面は出ずにすぐ始まります。\n"
                           "例: velquinlan-teacher /srv/velquinlan/3年1組\n"
                           "詳しくは man velquinlan-teacher をご覧ください。")};
}

std::vector<FirstRunWindow::Choice> TeacherProgram::MoreFirstRunChoices() {
    return {{QStringLiteral("新しいクラスフォルダを作る…"), QStringLiteral("NewClassroom"),
             [this](FirstRunWindow& screen) { return MakeNewClassroom(screen); }}};
}

std::optional<fs::path> TeacherProgram::MakeNewClassroom(FirstRunWindow& screen) {
    const QString answer = screen.AskForFolder(
        QStringLiteral("新しいクラスフォルダにするフォルダを選ぶ（空のフォルダ、または新しく作ったフォルダ）"));
    if (answer.isEmpty()) return std::nullopt;
    const fs::path folder = answer.toStdString();
    try {
        CreateClassroom(FromNativeName(folder.string()), bundledDataFolder_);
    } catch (const PlatformError& e) {
        screen.Tell(QString::fromStdString(e.what()));
        return std::nullopt;
    }
    return folder;
}

} // namespace vq
