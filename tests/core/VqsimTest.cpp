#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>

using namespace vqtest;

namespace {

struct VqsimRun {
    int status = 0;
    std::string out;
};

// Runs vqsim on a script written into the classroom folder; standard error goes to out too.
VqsimRun RunVqsim(const Classroom& classroom, const std::string& script) {
    const auto path = classroom.root / "script.vqs";
    std::ofstream(path) << script;
    const std::string command = std::string(VQ_VQSIM) + " " + path.string() + " 2>&1";
    VqsimRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) run.out.append(buf.data(), n);
    run.status = WEXITSTATUS(::pclose(pipe));
    return run;
}

} // namespace

TEST(Vqsim, PrintsEveryNavigationHandlerAndCompletionOfTheChargePage) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("price/price.html", "<!--velquinLAN-->\n");
    const VqsimRun run = RunVqsim(classroom,
                             "root .\n"
                             "# comment\n\n"
                             "clock 2026/12/07 9:00:00\n"
                             "station PC01 10.0.0.1\n"
                             "open kyouzai/contents/study/rika1.html\n"
                             "open virtual:price.html\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "[PC01] navigate $DATA/kyouzai/contents/index.html\n"
              "[PC01] before $DATA/kyouzai/contents/index.html\n"
              "[PC01] complete $DATA/kyouzai/contents/index.html\n"
              "[PC01] before $DATA/kyouzai/contents/study/rika1.html\n"
              "[PC01] complete $DATA/kyouzai/contents/study/rika1.html\n"
              "[PC01] before http://velquin.invalid/price.html\n"
              "[PC01] handler price.html\n"
              "[PC01] navigate $DATA/price/tmpPC01price.html\n"
              "[PC01] before $DATA/price/tmpPC01price.html\n"
              "[PC01] complete $DATA/price/tmpPC01price.html\n");
    EXPECT_NE(classroom.Read("price/tmpPC01price.html").find("中学校理科１年(1回)"), std::string::npos);
}

TEST(Vqsim, ShowPrintsTheStateInItsFixedOrder) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    const VqsimRun run = RunVqsim(classroom, "root .\nstation PC02\nswatch 10\nshow\n");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::vector<std::string> keys{"ScreenMode=W", "GenerationGuard=0", "address=$DATA/kyouzai/contents/index.html",
                                        "Timer1=on", "BitBtnLeft=1000,611,113,46",
                                        "BitBtnDown=170,631,60,60,$DATA/body_picture/iPhoneButton.bmp",
                                        "WebBrowser1=30,55", "lblButtonRight=もどる (shown)", "ListBox1.selected=-1"};
    std::size_t at = 0;
    for (const std::string& key : keys) {
        const std::size_t hit = run.out.find("[PC02] " + key + "\n", at);
        ASSERT_NE(hit, std::string::npos) << key << "\n" << run.out;
        at = hit;
    }
}

TEST(Vqsim, ScriptErrorsNameTheLineAndExitWithTwo) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("kyouzai/contents/one.html", "<form><input name=a></form>\n");
    const std::vector<std::pair<std::string, std::string>> cases{
        {"station PC01\nfrobnicate\n", "vqsim: line 3: unknown command"},
        {"station PC01\nstation PC01\n", "vqsim: line 3: station PC01 is already running"},
        {"station PC01\nroot .\n", "vqsim: line 3: root must come before"},
        {"clock yesterday\n", "vqsim: line 2: clock needs"},
        {"station PC01\nswatch 11\n", "vqsim: line 3: the swatch must be 1 to 10"},
        {"open index.html\n", "vqsim: line 2: no station yet"},
        {"station PC01\nopen kyouzai/contents/one.html\nfill 1 x\n",
         "vqsim: line 4: the form of the page shown has no element 1"},
    };
    // Every script starts with a "root" line, so the faulty line is one further down.
    for (const auto& [script, message] : cases) {
        const VqsimRun run = RunVqsim(classroom, "root .\n" + script);
        EXPECT_EQ(run.status, 2) << script;
        EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
    }
}

TEST(Vqsim, ErrorsOfThePhoneArePrintedAndTheRunGoesOn) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    const VqsimRun run = RunVqsim(classroom, "root .\nstation PC01\nopen virtual:number.html\nshow\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("[PC01] error ファイルを開けません: $DATA/number/number.html"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[PC01] ScreenMode=W"), std::string::npos);
}

// What a long run of many stations needs: rounds for a time, a number per round, a text of changing
// length that shows whether it arrived whole, a random classmate, and a mark of what went through.
TEST(Vqsim, ALoopRunsNumberedRoundsForItsSecondsAndMarksWhatWentThrough) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("mail_box/log_PC02.dat", "\n");
    const VqsimRun run = RunVqsim(classroom,
                                  "root .\n"
                                  "trace off\n"
                                  "station PC01\n"
                                  "tick Timer1\n"
                                  "loop 0.3\n"
                                  "mark round {n} of {station} in {run} to {other}: {pad}\n"
                                  "end\n"
                                  "open virtual:number.html\n"
                                  "mark after {n}\n"
                                  "mark again\n");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("navigate"), std::string::npos) << run.out; // trace off
    EXPECT_TRUE(run.out.starts_with("[PC01] ok round 1 of PC01 in ")) << run.out;
    EXPECT_NE(run.out.find(" to PC02: 319.abcdefghijklmnopqrstuvwxyzabc"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[PC01] ok round 2 of PC01 in "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" to PC02: 238.abc"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[PC01] failed after 0\n"), std::string::npos) << run.out; // the page is missing
    EXPECT_NE(run.out.find("[PC01] ok again\n"), std::string::npos) << run.out;
}

TEST(Vqsim, AMistakeInALoopEndsItsRoundAndTheRunGoesOn) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    const VqsimRun run = RunVqsim(classroom, "root .\nstation PC01\nloop 0.2\nmark {n}\nfrobnicate\nmark never\nend\nmark done\n");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("vqsim: line 5: unknown command \"frobnicate\" (round 1)"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("never"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[PC01] ok done"), std::string::npos) << run.out;
    for (const auto& [script, message] : std::vector<std::pair<std::string, std::string>>{
             {"loop 1\nmark x\n", "vqsim: line 2: loop without end"},
             {"end\n", "vqsim: line 2: end without loop"},
             {"loop soon\nend\n", "vqsim: line 2: loop needs a number of seconds"}}) {
        const VqsimRun bad = RunVqsim(classroom, "root .\n" + script);
        EXPECT_EQ(bad.status, 2) << script;
        EXPECT_NE(bad.out.find(message), std::string::npos) << bad.out;
    }
}

TEST(Vqsim, EveryMailATakeBringsIsPrinted) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    const VqsimRun run = RunVqsim(classroom,
                                  "root .\nstation PC01\nstation PC02\ntrace off\n"
                                  "use PC01\nkey soft-left\nlist 2\ntype address PC02\ntype subject s\ntype body b\n"
                                  "key soft-left\nuse PC02\ntick Timer1\n");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("[PC02] received PC01#c#192.168.0.1#c#2026/12/07 9:00:00#c#PC02#c#s#c#b\n"),
              std::string::npos)
        << run.out;
}
