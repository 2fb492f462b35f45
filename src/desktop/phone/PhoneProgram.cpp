#include "desktop/phone/PhoneProgram.h"

#include "desktop/phone/DesktopPhone.h"
#include "platform/ClassroomFolder.h"

namespace fs = std::filesystem;

namespace vq {

PhoneProgram::PhoneProgram(Places places, CaptureSource camera) : ClassroomProgram(std::move(places)), camera_(camera) {}

PhoneProgram::~PhoneProgram() = default;

void PhoneProgram::StartOn(const fs::path& classroom) {
    system_ = std::make_unique<ClassroomSystemInfo>(host_, classroom);
    station_ = std::make_unique<DesktopPhone>(*system_, clock_, errors_, camera_);
    errors_.SetOwner(&station_->window());
    connect(&station_->window(), &TForm1::closed, this, &PhoneProgram::finished);
    station_->Start();
    ReportMissingTeachingFiles(classroom);
}

FirstRunWindow::Wording PhoneProgram::FirstRunWording() const {
    return {QStringLiteral("VelquinLAN は「教室フォルダ」で動きます。教室フォルダは data フォルダを含むフォルダで、"
                           "教材のページと、メール・掲示板・プロフなどのデータが入っています。教室のすべての PC が同じ教室フォルダ"
                           "（ふつうは学校の共有フォルダ）を使うと、となりの席の友だちとメールや掲示板をやりとりできます。"),
            QStringLiteral("見本のクラスで試す"),
            QStringLiteral("見本のクラスは %1 にコピーして始めます。次からはそのコピーを使うので、"
                           "書いたメールや投稿は残ります。この PC だけで試すときに使ってください。"),
            QStringLiteral("先生・管理者の方へ: 教室フォルダを引数にして起動すると、この画面は出ずにすぐ始まります。\n"
                           "例: velquinlan /srv/velquinlan/3年1組\n"
                           "詳しくは man velquinlan をご覧ください。")};
}

// Without its home page the phone's screen shows only the browser's error page; the teacher needs to
// know which of the files that come with a classroom folder are gone.
void PhoneProgram::ReportMissingTeachingFiles(const fs::path& classroom) {
    const fs::path data = classroom / "data";
    if (fs::is_regular_file(data / "kyouzai/contents/index.html")) return;
    std::string message = "教室フォルダの教材ファイルが足りないため、ホーム画面を表示できません。\n" + data.string() +
                          " に次のファイルがありません:\n";
    for (const std::string& file : MissingTeachingFiles(data)) message += "  " + file + "\n";
    message += "\n見本のクラスなど、そろった教室フォルダから data フォルダの中身をコピーしてください。";
    errors_.Report(message);
}

} // namespace vq
