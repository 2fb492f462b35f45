// What a station's appends cost: a post onto a board of 10,000 posts, and a mail to a classmate
// (its inbox, the sender's sent log and activity log: three appends). Every append takes the file's
// lock, writes the record and has it on the disk or the server before the lock is let go.
//
//   vqbench --benchmark_filter='BoardPost|SendMail'
//
// The folder is a scratch folder in TMPDIR (or /tmp): on a local disk each append waits for the
// disk, on a share for one more round trip.

#include "BenchClassroom.h"
#include "BenchFiles.h"
#include "BenchStation.h"
#include "mail/SendMail.h"
#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/Text.h"
#include "shell/Phone.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_BoardPost(benchmark::State& state) {
    const vq::bench::ScratchFolder folder;
    vq::bench::FillBoardAndTimeline(folder.Path(), 10'000);
    const std::string board = (folder.Path() / "data/bbs/bbsData.dat").string();
    const std::string record =
        vq::Utf8ToCp932("PC07#c#192.168.0.17#c#2026/12/07 9:00:00#c#たろう#c#今日の宿題は、教科書の三十二ページです。");
    for (auto _ : state) vq::AppendSharedLineOrFail(board, record);
}

void BM_SendMail(benchmark::State& state) {
    const vq::bench::ScratchFolder folder;
    vq::bench::FillInboxes(folder.Path());
    vq::bench::BenchStation station(folder.Path(), "PC01", "10.0.0.1");
    vq::RewriteFile(station.phone.DataPath("mail_log/log_PC01.dat"), "\r\n");
    vq::MailPanel& panel = station.phone.mailPanel;
    for (auto _ : state) {
        panel.ComboBoxMail.Text = u"PC02";
        panel.txtNewSubject.Text = u"宿題";
        panel.txtNewBody.Text = u"今日の宿題は、教科書の三十二ページです。";
        if (vq::SendMail(station.phone) != vq::SendResult::Sent) state.SkipWithError("the mail was not sent");
    }
    if (!station.errors.messages.empty()) state.SkipWithError(station.errors.messages.front().c_str());
}

} // namespace

BENCHMARK(BM_BoardPost)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SendMail)->Unit(benchmark::kMicrosecond);
