// The sample classroom as a pupil meets it: every link leads somewhere, every page reads as Shift_JIS,
// and the study pages are billed under the titles they show.

#include "platform/Text.h"
#include "site/Dispatcher.h"
#include "site/VirtualSite.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace vq;
using namespace vqtest;

namespace {


struct TeachingPage {
    std::string name;
    std::string title; // as the bill shows it
};

const std::vector<TeachingPage> kTeachingPages{
    {"denki2kigou.html", "記号特訓ドリル"},
    {"denkikouzisi.html", "第二種電気工事士過去問"},
    {"keisan1.html", "計算パズル　入門編"},
    {"keisan2.html", "計算パズル　初級"},
    {"keisan3.html", "計算パズル　中級"},
    {"kiken4ke.html", "危険物特訓ドリル"},
    {"kikenbutu.html", "危険物予想問題"},
    {"koumin.html", "中学校公民"},
    {"rekisi1.html", "中学校歴史（古代～江戸）"},
    {"rekisi3.html", "中学校歴史（明治～現代）"},
    {"rika1.html", "中学校理科１年"},
    {"rika2.html", "中学校理科２年"},
    {"seiza.html", "携帯★星座早見"},
};

const std::string kStudyFolder = "kyouzai/contents/study/";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Relative(const fs::path& path, const fs::path& base) {
    return fs::relative(path, base).generic_string();
}

// The pages of a folder, relative to it, in a stable order.
std::vector<std::string> PagesUnder(const fs::path& folder) {
    std::vector<std::string> pages;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".html")
            pages.push_back(Relative(entry.path(), folder));
    std::sort(pages.begin(), pages.end());
    return pages;
}

// Every address a page sends the pupil or the browser to: links, form targets, style sheets, scripts,
// pictures and frames, as written.
std::vector<std::string> AddressesIn(const std::string& html) {
    static const std::regex tag(R"(<\s*(a|form|link|script|img|iframe|frame)\b[^>]*>)", std::regex::icase);
    static const std::regex attribute(R"re(\b(href|action|src)\s*=\s*("([^"]*)"|'([^']*)'))re", std::regex::icase);
    std::vector<std::string> addresses;
    for (auto t = std::sregex_iterator(html.begin(), html.end(), tag); t != std::sregex_iterator(); ++t) {
        const std::string text = t->str();
        for (auto a = std::sregex_iterator(text.begin(), text.end(), attribute); a != std::sregex_iterator(); ++a)
            addresses.push_back((*a)[3].matched ? (*a)[3].str() : (*a)[4].str());
    }
    return addresses;
}

std::string WithoutQueryOrFragment(const std::string& address) {
    return address.substr(0, address.find_first_of("?#"));
}

bool DispatcherCatches(const std::string& address) {
    const std::string cp932 = Utf8ToCp932(address);
    const auto rows = DispatchTable();
    return std::any_of(rows.begin(), rows.end(), [&](const DispatchRow& row) { return row.Matches(cp932); });
}

// Where a link of page leads, as a path relative to the data folder or as an address of the virtual
// site; empty for links that lead out of both.
std::string Destination(const std::string& page, const std::string& address) {
    if (address.rfind(VirtualSiteRoot, 0) == 0) return WithoutQueryOrFragment(address);
    if (address.find(':') != std::string::npos || address.rfind('/', 0) == 0) return {};
    const fs::path resolved = (fs::path(page).parent_path() / WithoutQueryOrFragment(address)).lexically_normal();
    const std::string relative = resolved.generic_string();
    return relative.rfind("..", 0) == 0 ? std::string() : relative;
}

// Why the pupil would end on an error page by following address from page; empty when it works.
std::string BrokenLink(const fs::path& data, const std::string& page, const std::string& html,
                       const std::string& address) {
    if (address.find("<!--") != std::string::npos) return {}; // filled in by the program
    if (address.empty()) return {};
    if (address[0] == '#') {
        const std::string id = address.substr(1);
        return html.find("id=\"" + id + "\"") != std::string::npos ? std::string() : "no element with that id";
    }
    const std::string destination = Destination(page, address);
    if (destination.empty()) return "leads out of the classroom";
    if (destination.rfind(VirtualSiteRoot, 0) == 0)
        return DispatcherCatches(destination) ? std::string() : "no page handler has this name";
    if (fs::is_regular_file(data / destination)) return {};
    // Forms and links may name a pseudo page relative to the page; the dispatcher catches those too.
    return DispatcherCatches("data/" + destination) ? std::string() : "no such file";
}

std::set<std::string> DestinationsIn(const std::string& page, const std::string& html) {
    std::set<std::string> destinations;
    for (const std::string& address : AddressesIn(html)) destinations.insert(Destination(page, address));
    return destinations;
}

std::vector<std::string> BrokenLinksOf(const fs::path& data, const std::string& page, const std::string& html) {
    std::vector<std::string> broken;
    for (const std::string& address : AddressesIn(html))
        if (const std::string why = BrokenLink(data, page, html, address); !why.empty())
            broken.push_back(page + " -> " + address + ": " + why);
    return broken;
}

std::string TitleOf(const std::string& html) {
    static const std::regex title("<title>([^<]*)</title>", std::regex::icase);
    std::smatch m;
    return std::regex_search(html, m, title) ? m[1].str() : std::string();
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream s(line);
    for (std::string field; std::getline(s, field, ',');) fields.push_back(field);
    return fields;
}

std::string LastLine(const std::string& text) {
    std::string trimmed = text;
    while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r')) trimmed.pop_back();
    return trimmed.substr(trimmed.find_last_of('\n') + 1);
}

// One sample classroom, built once and only read, for the checks of the content itself.
class SampleContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        classroom_ = std::make_unique<Classroom>();
        classroom_->UseSampleContent();
    }
    static void TearDownTestSuite() { classroom_.reset(); }

    static fs::path Data() { return classroom_->root / "data"; }
    static std::string Page(const std::string& relative) { return Cp932ToUtf8(ReadBytes(Data() / relative)); }

    static std::unique_ptr<Classroom> classroom_;
};

std::unique_ptr<Classroom> SampleContent::classroom_;

// A station started on a fresh copy of the sample classroom.
class SampleClassroom : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.UseSampleContent();
        clock.Set({2026, 12, 7, 9, 5, 7, 0});
        station.Start();
    }
    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock, "10.1.2.3"};
};

} // namespace

TEST_F(SampleContent, EveryPageDeclaresShiftJis) {
    static const std::regex declaration(R"(<meta[^>]*charset\s*=\s*"?shift_jis)", std::regex::icase);
    for (const std::string& page : PagesUnder(Data()))
        EXPECT_TRUE(std::regex_search(Page(page), declaration)) << page;
}

TEST_F(SampleContent, EveryAuthoredCharacterSurvivesTheCodePage) {
    const fs::path content = SourceDir() / "content";
    for (const auto& entry : fs::recursive_directory_iterator(content)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".html" && ext != ".txt" && ext != ".css" && ext != ".js")) continue;
        std::stringstream lines(ReadBytes(entry.path()));
        int number = 0;
        for (std::string line; std::getline(lines, line);) {
            ++number;
            EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(line)), line) << Relative(entry.path(), content) << ":" << number;
        }
    }
}

TEST_F(SampleContent, EveryLinkLeadsToAFileOrAPseudoPage) {
    std::size_t checked = 0;
    for (const std::string& page : PagesUnder(Data())) {
        const std::string html = Page(page);
        checked += AddressesIn(html).size();
        EXPECT_EQ(BrokenLinksOf(Data(), page, html), std::vector<std::string>{});
    }
    EXPECT_GT(checked, 100u); // the pages were really read
}

TEST_F(SampleContent, HomeScreenAndMenuReachEverySite) {
    std::vector<std::string> wanted{"prof/prof_top.html", "fortune/fortune_top.html", "s_beginner/s_begin_top.html",
                                    "risk/adult.html"};
    for (const char* name : {"bbs.html", "sns.html", "MailStart.html", "kisekae.html", "price.html", "number.html"})
        wanted.push_back(std::string(VirtualSiteRoot) + name);
    for (const TeachingPage& study : kTeachingPages) wanted.push_back(kStudyFolder + study.name);

    for (const char* page : {"kyouzai/contents/index.html", "kyouzai/contents/option0-1.html"}) {
        const std::set<std::string> destinations = DestinationsIn(page, Page(page));
        for (const std::string& destination : wanted)
            EXPECT_TRUE(destinations.count(destination)) << page << " lacks " << destination;
    }
}

// The back key leads from every risk result to risk/adult.html and from there home, so that page is
// the hub of the risk pages: it leads to each of them, each leads back to it, and no other page's
// address would be taken for it.
TEST_F(SampleContent, TheRiskHubLeadsToEveryRiskPageAndEachBackToIt) {
    const std::string hub = "risk/adult.html";
    const std::set<std::string> fromHub = DestinationsIn(hub, Page(hub));
    for (const char* page : {"risk/adult_check.html", "risk/meet.html", "risk/send_spam_mail.html",
                             "kyouzai/contents/index.html"})
        EXPECT_TRUE(fromHub.count(page)) << "the hub lacks " << page;
    for (const std::string& page : PagesUnder(Data() / "risk")) {
        const std::string path = "risk/" + page;
        if (path == hub) continue;
        EXPECT_TRUE(DestinationsIn(path, Page(path)).count(hub)) << path << " has no way back to the hub";
        EXPECT_FALSE(MatchesPageName(Utf8ToCp932(Data().string() + "/" + path), "adult.html")) << path;
    }
}

// A pupil counts the questions a page promises.
TEST_F(SampleContent, EveryDrillHasTheNumberOfQuestionsItAnnounces) {
    static const std::regex announced("全([0-9]+)問");
    static const std::regex question(R"(<li><p class="q">)");
    for (const TeachingPage& study : kTeachingPages) {
        const std::string html = Page(kStudyFolder + study.name);
        std::smatch m;
        if (!std::regex_search(html, m, announced)) continue;
        const auto questions = std::distance(std::sregex_iterator(html.begin(), html.end(), question), std::sregex_iterator());
        EXPECT_EQ(questions, std::stol(m[1].str())) << study.name;
    }
}

TEST_F(SampleContent, TemplatesKeepTheirMarkerOnce) {
    for (const char* page : {"price/price.html", "number/number.html"}) {
        const std::string html = Page(page);
        const std::size_t first = html.find("<!--velquinLAN-->");
        ASSERT_NE(first, std::string::npos) << page;
        EXPECT_EQ(html.find("<!--velquinLAN-->", first + 1), std::string::npos) << page;
    }
}

TEST_F(SampleContent, ProfileQuestionsFillEverySlot) {
    std::stringstream lines(Page("prof/prof_quest.txt"));
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        ++count;
        EXPECT_NE(line, "\r") << "question line " << count << " is empty, which leaves a gap in the form";
    }
    EXPECT_EQ(count, 31);
}

TEST_F(SampleClassroom, StudyPagesShowAndBillTheirTitle) {
    for (const TeachingPage& study : kTeachingPages) {
        const std::string page = kStudyFolder + study.name;
        ASSERT_TRUE(classroom.Exists(page)) << page;
        const std::string html = classroom.Read(page);
        EXPECT_EQ(TitleOf(html), study.title) << page;
        const std::set<std::string> links = DestinationsIn(page, html);
        EXPECT_TRUE(links.count(std::string(VirtualSiteRoot) + "price.html")) << page << " does not point to the bill";
        EXPECT_TRUE(links.count("kyouzai/contents/index.html")) << page << " has no way home";

        station.Open(page);
        const std::vector<std::string> fields = Fields(LastLine(classroom.Read("log/log_PC01.dat")));
        ASSERT_GE(fields.size(), 4u) << page;
        EXPECT_EQ(fields[3], study.title) << page;
    }
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(SampleClassroom, BillAndNumberPagesAreFilledIn) {
    station.Open(kStudyFolder + "koumin.html");
    station.Open(std::string(VirtualSiteRoot) + "price.html");
    station.Open(std::string(VirtualSiteRoot) + "number.html");

    const std::string bill = classroom.Read("price/tmpPC01price.html");
    const std::string number = classroom.Read("number/tmpPC01number.html");
    EXPECT_NE(bill.find("中学校公民(1回)"), std::string::npos);
    EXPECT_NE(number.find(">10.1.2.3<"), std::string::npos);
    // The program joins a template's lines into one; the pages must still lead where they did.
    const fs::path data = classroom.root / "data";
    EXPECT_EQ(BrokenLinksOf(data, "price/tmpPC01price.html", bill), std::vector<std::string>{});
    EXPECT_EQ(BrokenLinksOf(data, "number/tmpPC01number.html", number), std::vector<std::string>{});
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(SampleClassroom, TheBackKeyLeadsFromEachRiskResultToTheHubAndFromTheHubHome) {
    const std::string hub = classroom.DataRoot() + "risk/adult.html";
    const auto back = [&] {
        station.phone.BitBtnLeftClick();
        station.browser.RunLoop();
        return station.browser.CurrentAddress();
    };

    station.Open("risk/adult.html");
    station.Open("risk/adult_check.html");
    station.Open(std::string(VirtualSiteRoot) + "adult21.html");
    EXPECT_EQ(back(), hub);
    station.Open("risk/meet.html");
    station.Open(std::string(VirtualSiteRoot) + "meet21.html");
    EXPECT_EQ(back(), hub);
    station.Open("risk/adult_check.html");
    EXPECT_EQ(back(), hub); // the age check is an ordinary page: back goes where the pupil came from
    EXPECT_EQ(back(), station.phone.StartPage);
    EXPECT_TRUE(station.errors.messages.empty());
}
