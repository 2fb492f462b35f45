#include "desktop/phone/PhoneCommandLine.h"

namespace vq {
namespace {

PhoneCommandLine Refused(std::string why) {
    return {PhoneCommandLine::Action::Refuse, std::nullopt,
            "velquinlan: " + why + "\n使い方は velquinlan --help で表示されます。\n"};
}

} // namespace

PhoneCommandLine ReadPhoneCommandLine(const std::vector<std::string>& arguments) {
    PhoneCommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.action = PhoneCommandLine::Action::ShowHelp;
            return line;
        } else if (!optionsEnded && argument == "--version") {
            line.action = PhoneCommandLine::Action::ShowVersion;
            return line;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            return Refused("知らないオプションです: " + argument);
        } else if (line.classroom) {
            return Refused("教室フォルダは1つだけ指定してください（" + *line.classroom + " と " + argument + "）");
        } else if (argument.empty()) {
            return Refused("教室フォルダの名前が空です");
        } else {
            line.classroom = argument;
        }
    }
    return line;
}

std::string PhoneUsage() {
    return "使い方: velquinlan [教室フォルダ]\n"
           "スマートフォン指導用VelquinLAN: 教室の PC で動く、スマートフォンの練習機です。\n"
           "\n"
           "  教室フォルダ  data フォルダを含むフォルダ。教室のすべての PC が同じフォルダ\n"
           "                （ふつうは学校の共有フォルダ）を使います。省略すると今いるフォルダを\n"
           "                使い、そこに data がなければ最初の画面でフォルダを選べます。\n"
           "  --help        この説明を表示して終わります。\n"
           "  --version     バージョンを表示して終わります。\n"
           "\n"
           "環境変数:\n"
           "  VELQUINLAN_STATION=名前  端末名（省略時はコンピューター名）\n"
           "  VELQUINLAN_CAMERA=test   カメラの代わりに動くテスト画面を写します（none: カメラなし）\n"
           "  VELQUINLAN_DEBUG=1       Qt とブラウザーエンジンの詳しい出力を表示します\n";
}

std::string PhoneVersion() { return std::string("velquinlan ") + VQ_VERSION + "\n"; }

} // namespace vq
