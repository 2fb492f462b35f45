#include "teacher/TeacherCommand.h"

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "teacher/ClassReport.h"
#include "teacher/ClassWatcher.h"
#include "teacher/LessonArchive.h"
#include "teacher/NewClassroom.h"
#include "teacher/ShareCheck.h"

#include <ostream>

namespace vq {
namespace {

using Kind = TeacherCommand::Kind;

std::optional<Kind> OptionKind(const std::string& arg) {
    if (arg == "--report") return Kind::Report;
    if (arg == "--new-classroom") return Kind::NewClassroom;
    if (arg == "--archive") return Kind::Archive;
    if (arg == "--check-share") return Kind::CheckShare;
    if (arg == "--help" || arg == "-h") return Kind::Help;
    if (arg == "--version") return Kind::Version;
    return std::nullopt;
}

int Report(const TeacherCommand& command, const std::string& folder, std::ostream& out) {
    ClassWatcher watcher(ClassroomFolder::Open(folder), AppendedLines::Tail::TakeAsIs);
    const ClassSnapshot& snapshot = watcher.Refresh();
    out << (command.csv ? ReportCsv(snapshot) : ReportText(snapshot));
    return 0;
}

int Archive(const std::string& folder, const Clock& clock, std::ostream& out) {
    const ClassroomFolder classroom = ClassroomFolder::Open(folder);
    const ArchiveOutcome outcome = ArchiveLesson(classroom, clock.Now());
    out << "授業を保存しました（" << outcome.files << "個のファイル）: " << Cp932ToUtf8(outcome.folder) << "\n"
        << "data フォルダは次の授業のために片付けました。\n";
    for (const std::string& note : outcome.notes) out << note << "\n";
    return 0;
}

int NewClassroom(const std::string& folder, const TeacherEnvironment& environment, std::ostream& out) {
    CreateClassroom(folder, environment.bundledDataFolder);
    out << "クラスフォルダを作成しました: " << Cp932ToUtf8(folder) << "\n"
        << "各端末の VelquinLAN を、このフォルダで起動してください。\n";
    return 0;
}

int CheckShareCommand(const std::string& folder, std::ostream& out) {
    DiskShareAccess share;
    const std::vector<ShareFinding> findings = CheckShare(folder, share);
    for (const ShareFinding& finding : findings) out << FindingLine(finding) << "\n";
    return AnyProblem(findings) ? 1 : 0;
}

} // namespace

std::optional<TeacherCommand> ParseTeacherCommand(const std::vector<std::string>& args, std::string& error) {
    TeacherCommand command;
    bool kindGiven = false;
    for (const std::string& arg : args) {
        if (const auto kind = OptionKind(arg)) {
            if (kindGiven) {
                error = "一度に指定できる操作は一つです: " + arg;
                return std::nullopt;
            }
            command.kind = *kind;
            kindGiven = true;
        } else if (arg == "--csv") {
            command.csv = true;
        } else if (arg.starts_with("-") && arg != "-") {
            error = "知らないオプションです: " + arg;
            return std::nullopt;
        } else if (!command.folder.empty()) {
            error = "フォルダは一つだけ指定してください: " + arg;
            return std::nullopt;
        } else {
            command.folder = arg;
        }
    }
    if (command.csv && command.kind != Kind::Report) {
        error = "--csv は --report といっしょに使います";
        return std::nullopt;
    }
    if (command.kind == Kind::NewClassroom && command.folder.empty()) {
        error = "--new-classroom には、作るフォルダを指定してください";
        return std::nullopt;
    }
    return command;
}

std::string TeacherHelpText() {
    return "使い方: velquinlan-teacher [教室フォルダ]\n"
           "        velquinlan-teacher --report [--csv] [フォルダ]\n"
           "        velquinlan-teacher --new-classroom フォルダ\n"
           "        velquinlan-teacher --archive [教室フォルダ]\n"
           "        velquinlan-teacher --check-share [教室フォルダ]\n"
           "\n"
           "スマートフォン指導用VelquinLAN の先生用コンソールです。教室フォルダ（data フォルダを含む\n"
           "フォルダ。省略すると今のフォルダ）のクラスの様子、ふりかえり、料金、掲示板とタイムラインを\n"
           "ウィンドウに表示します。\n"
           "\n"
           "  --report           クラスの報告を表示します。1行に1台ずつ、端末、合計（円）、料金表の順の\n"
           "                     利用回数。続いてふりかえり。保存した授業（archive/日時）も指定できます。\n"
           "  --csv              --report を CSV（UTF-8、BOM付き）で出力します。\n"
           "  --new-classroom    教材と空のデータファイルを入れた新しいクラスフォルダを作ります。\n"
           "  --archive          授業を archive/日時/ に保存し、次の授業のために data を片付けます。\n"
           "                     起動中の端末があるときは片付けません。\n"
           "  --check-share      教室フォルダのある共有フォルダが、スマホで使えるかを確かめます（速さ、書き足し、\n"
           "                     ロック、置きかえ、コンピュータの間のロック）。1行に1つずつ結果を表示し、\n"
           "                     問題があれば終了状態 1 で終わります。コンピュータの間のロックを確かめるには、\n"
           "                     ほかのコンピュータでスマホを1台起動しておきます。\n"
           "  --help             この説明を表示します。\n"
           "  --version          版を表示します。\n"
           "\n"
           "終了状態: 0 成功、1 失敗（理由を表示します。--check-share では問題が見つかったとき）、\n"
           "2 コマンドラインの誤り。\n";
}

std::string TeacherVersionText(const std::string& version) {
    return "velquinlan-teacher " + (version.empty() ? std::string("（開発版）") : version) + "\n";
}

std::string CommandFolder(const TeacherCommand& command, const TeacherEnvironment& environment) {
    return command.folder.empty() ? environment.currentFolder : FromNativeName(command.folder);
}

int RunTeacherCommand(const TeacherCommand& command, const TeacherEnvironment& environment, std::ostream& out,
                      std::ostream& err) {
    const std::string folder = CommandFolder(command, environment);
    try {
        switch (command.kind) {
        case Kind::Report: return Report(command, folder, out);
        case Kind::Archive: return Archive(folder, environment.clock, out);
        case Kind::NewClassroom: return NewClassroom(folder, environment, out);
        case Kind::CheckShare: return CheckShareCommand(folder, out);
        case Kind::Help: out << TeacherHelpText(); return 0;
        case Kind::Version: out << TeacherVersionText(environment.version); return 0;
        case Kind::Window: break;
        }
    } catch (const PlatformError& e) {
        err << "velquinlan-teacher: " << e.what() << "\n";
        return 1;
    }
    err << "velquinlan-teacher: この操作にはウィンドウが必要です\n";
    return 1;
}

} // namespace vq
