// The profile lists come from each station's picture of the folders, kept up to date through the
// profile index. Whatever the stations do, in whatever second, the lists must equal a plain reading
// of the folders: the stored pages with their last-write times, their data files and the counter
// file names, ordered and counted as the lists always were.

#include "platform/Text.h"
#include "sites/profile/ProfileIndex.h"
#include "sites/profile/ProfileListing.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <thread>

using namespace vq;
using namespace vqtest;
namespace fs = std::filesystem;

namespace {

struct Row {
    std::string id;
    int views = 0;
    std::string picture;
    std::string name;
    std::vector<std::string> furtherAnswers;
    friend bool operator==(const Row&, const Row&) = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.id << " views " << row.views << " name " << Cp932ToUtf8(row.name);
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> LinesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The lists as the folders give them, read with nothing but the standard library: the stored pages
// in name order with their stamps to the second, the views as counter names containing the id, a
// stable ascending sort taken from the last, pages without a data file left out.
std::vector<Row> PlainListing(const fs::path& data, ProfileOrder order) {
    struct Page {
        std::string id;
        std::int64_t second;
        int views;
    };
    std::vector<Page> pages;
    std::vector<std::string> counters;
    for (const auto& e : fs::directory_iterator(data / "prof_counter"))
        if (e.is_regular_file() && e.path().extension() == ".dat") counters.push_back(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(data / "prof_html")) {
        const std::string name = e.path().filename().string();
        if (!e.is_regular_file() || !name.ends_with(".html")) continue;
        const std::string id = name.substr(0, name.size() - 5);
        struct stat st {};
        ::stat(e.path().c_str(), &st);
        const auto views = std::count_if(counters.begin(), counters.end(),
                                         [&](const std::string& c) { return c.find(id) != std::string::npos; });
        pages.push_back({id, static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<int>(views)});
    }
    std::sort(pages.begin(), pages.end(), [](const Page& a, const Page& b) { return a.id + ".html" < b.id + ".html"; });
    std::stable_sort(pages.begin(), pages.end(), [&](const Page& a, const Page& b) {
        return order == ProfileOrder::ByStamp ? a.second < b.second : a.views < b.views;
    });
    std::reverse(pages.begin(), pages.end());
    std::vector<Row> rows;
    for (const Page& page : pages) {
        const fs::path file = data / "prof_edit" / (page.id + ".dat");
        if (!fs::is_regular_file(file)) continue;
        std::vector<std::string> lines = LinesOf(ReadBytes(file));
        std::string picture = lines.size() > 1 ? lines[1] : "";
        std::replace(picture.begin(), picture.end(), '\\', '/');
        Row row{page.id, page.views, picture, lines.size() > 3 ? lines[3] : "", {}};
        if (lines.size() > 4) row.furtherAnswers.assign(lines.begin() + 4, lines.end());
        rows.push_back(row);
    }
    return rows;
}

std::vector<Row> Listed(Station& station, ProfileOrder order) {
    std::vector<Row> rows;
    for (const StoredProfile& p : ListStoredProfiles(station.phone, order))
        rows.push_back({p.id, p.views, p.picture, p.name, p.furtherAnswers});
    return rows;
}

// A program that does not write the index is seen through the folders' last-write times, which
// some file systems move only once per clock tick.
void LetTheFolderClockTick() { std::this_thread::sleep_for(std::chrono::milliseconds(15)); }

class ProfileCatalogTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        WriteProfileTemplates(classroom);
        for (Station* s : stations) s->Start();
    }
    fs::path Data() const { return classroom.root / "data"; }
    void ExpectPlain(Station& station, const std::string& context = {}) {
        for (ProfileOrder order : {ProfileOrder::ByStamp, ProfileOrder::ByCount})
            EXPECT_EQ(Listed(station, order), PlainListing(Data(), order)) << context;
        EXPECT_TRUE(station.errors.messages.empty()) << station.errors.messages.front();
    }
    void Edit(Station& s, const std::string& id, const std::string& password, const std::string& hobby) {
        s.Open(classroom.DataRoot() + "prof_html/" + id + "prof_password.html");
        s.Fill(0, password);
        s.Open(classroom.DataRoot() + "prof/prof_edit2.html");
        s.Open(VirtualPage("prof_edit4.html"));
        s.Fill(3, hobby);
        s.Open(VirtualPage("prof_edit5.html"));
    }
    void Delete(Station& s, const std::string& id, const std::string& password) {
        s.Open(classroom.DataRoot() + "prof_html/" + id + "prof_delete_password.html");
        s.Fill(0, password);
        s.Open(classroom.DataRoot() + "prof/prof_delete2.html");
    }
    void View(Station& s, const std::string& id) { s.Open(classroom.DataRoot() + "prof_html/" + id + ".html"); }
    std::vector<std::string> StoredIds() const {
        std::vector<std::string> ids;
        for (const auto& e : fs::directory_iterator(Data() / "prof_html")) ids.push_back(e.path().stem().string());
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    Classroom classroom;
    ManualClock clock;
    // PC1 and PC10 make identifiers of which one is a prefix of the other when created in the same second.
    Station pc1{classroom, "PC1", clock};
    Station pc10{classroom, "PC10", clock};
    Station pc2{classroom, "PC2", clock};
    std::vector<Station*> stations{&pc1, &pc10, &pc2};
};

} // namespace

TEST_F(ProfileCatalogTest, AgreesWithAPlainReadingWhateverTheStationsDoAndWhenever) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
        for (int step = 0; step < 60; ++step) {
            Station& s = *stations[pick(stations.size())];
            const std::vector<std::string> ids = StoredIds();
            const std::string context = "seed " + std::to_string(seed) + " step " + std::to_string(step);
            switch (pick(8)) {
            case 0: CreateProfile(s, "pw", "名" + std::to_string(step), pick(2) ? "#c#" : "囲碁"); break;
            case 1: if (!ids.empty()) Edit(s, ids[pick(ids.size())], "pw", "将棋" + std::to_string(step)); break;
            case 2: if (!ids.empty()) Delete(s, ids[pick(ids.size())], "pw"); break;
            case 3: case 4: if (!ids.empty()) View(s, ids[pick(ids.size())]); break;
            case 5: {
                // What a program that keeps no index does: a view file or a stored page gone by hand.
                LetTheFolderClockTick();
                if (pick(2) && !ids.empty()) fs::remove(Data() / "prof_html" / (ids[pick(ids.size())] + ".html"));
                else classroom.Write("prof_counter/" + (ids.empty() ? "000000PC3" : ids[pick(ids.size())]) + "1200PC3.dat", "\n");
                LetTheFolderClockTick();
                break;
            }
            default: ExpectPlain(s, context);
            }
            // The same second again, or a later one: identifiers and view files of one second repeat.
            if (pick(3) == 0) clock.AdvanceSeconds(static_cast<int>(pick(90)));
            for (Station* t : stations) t->errors.messages.clear();
        }
        for (Station* s : stations) ExpectPlain(*s, "seed " + std::to_string(seed) + " at the end");
        fs::remove_all(Data() / "prof_html");
        fs::remove_all(Data() / "prof_edit");
        fs::remove_all(Data() / "prof_counter");
        for (const char* folder : {"prof_html", "prof_edit", "prof_counter"}) fs::create_directory(Data() / folder);
    }
}

TEST_F(ProfileCatalogTest, SeesWhatAnotherStationDoesWithinTheSameSecond) {
    CreateProfile(pc1, "pw", "一郎", "サッカー");
    ExpectPlain(pc2);
    CreateProfile(pc10, "pw", "十郎", "野球"); // 090000PC10 in the same second as 090000PC1
    ExpectPlain(pc2);
    View(pc10, "090000PC10"); // a view of PC10 counts for PC1 too: its id occurs in the name
    ASSERT_EQ(Listed(pc2, ProfileOrder::ByCount).size(), 2u);
    EXPECT_EQ(Listed(pc2, ProfileOrder::ByCount)[0].views, 3);
    Edit(pc1, "090000PC1", "pw", "テニス");
    ExpectPlain(pc2);
    const std::vector<Row> rows = Listed(pc2, ProfileOrder::ByStamp);
    const auto edited = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.id == "090000PC1"; });
    ASSERT_NE(edited, rows.end());
    EXPECT_EQ(edited->furtherAnswers.at(0), ToNarrow(u"テニス"));
    Delete(pc10, "090000PC10", "pw");
    ExpectPlain(pc2);
    EXPECT_EQ(Listed(pc2, ProfileOrder::ByStamp).size(), 1u);
}

TEST_F(ProfileCatalogTest, ChangesNoStationRecordedAreFoundInTheFolders) {
    CreateProfile(pc1, "pw", "一郎", "サッカー");
    CreateProfile(pc2, "pw", "二郎", "囲碁");
    ExpectPlain(pc10);
    LetTheFolderClockTick();
    classroom.Write("prof_edit/120000PC9.dat", "PC9\nprof/illustration/illustration00.jpg\npw\n九郎\n");
    classroom.Write("prof_html/120000PC9.html", "<p>hand made</p>\n");
    ExpectPlain(pc10, "a profile made by hand");
    LetTheFolderClockTick();
    fs::remove(Data() / "prof_html/090000PC1.html");
    ExpectPlain(pc10, "a stored page deleted by hand");
    // An unrecorded change followed at once by a recorded one is found too: the recorded change
    // carries the folder's time from before it.
    LetTheFolderClockTick();
    classroom.Write("prof_counter/090000PC21234PC9.dat", "\n");
    LetTheFolderClockTick();
    View(pc1, "090000PC2");
    ExpectPlain(pc10, "a hand-made view file");
    fs::remove(Data() / "prof_edit/120000PC9.dat");
    fs::create_directory(Data() / "prof_edit/120000PC9.dat");
    Listed(pc10, ProfileOrder::ByStamp);
    ASSERT_EQ(pc10.errors.messages.size(), 1u);
    EXPECT_NE(pc10.errors.messages[0].find("120000PC9.dat"), std::string::npos);
    pc10.errors.messages.clear();
    Listed(pc10, ProfileOrder::ByStamp);
    EXPECT_TRUE(pc10.errors.messages.empty()) << "told once";
}

// The index is a cache: gone, cut short, damaged or written anew by another station, it never makes a
// list wrong.
TEST_F(ProfileCatalogTest, AnIndexThatIsGoneCutOrDamagedOnlyCostsTime) {
    const fs::path index = Data() / std::string(kProfileIndexPath);
    CreateProfile(pc1, "pw", "一郎", "サッカー");
    ExpectPlain(pc2);
    fs::remove(index); // as archiving the lesson takes it away
    CreateProfile(pc10, "pw", "十郎", "野球");
    ExpectPlain(pc2, "index gone");
    ExpectPlain(pc1, "index gone");
    {
        std::ofstream out(index, std::ios::app | std::ios::binary);
        out << "saved\t1\t2"; // a writer died in the middle of its line
    }
    View(pc2, "090000PC1");
    ExpectPlain(pc1, "torn line ended by the next writer");
    {
        std::ofstream out(index, std::ios::app | std::ios::binary);
        out << "counter\t0\t0\tx\t0\t0\t1\tname.dat\t.\r\ngarbage without tabs\r\n";
    }
    ExpectPlain(pc1, "damaged lines");
    fs::remove(index);
    Station pc3{classroom, "PC3", clock};
    pc3.Start();
    ExpectPlain(pc3, "another station writes the index anew");
    ExpectPlain(pc2, "reads the new index");
}

// The first station to read the folders writes what it found into the index, so the others start
// from it. A data file rewritten in place (no program of the class does that) moves no folder time:
// a station that starts later and still lists the old answer has read the index, not the file.
TEST_F(ProfileCatalogTest, AStationThatStartsLaterTakesTheIndexInsteadOfReadingEveryFile) {
    CreateProfile(pc1, "pw", "一郎", "サッカー");
    ExpectPlain(pc2);
    const fs::path data = Data() / "prof_edit/090000PC1.dat";
    std::string bytes = ReadBytes(data);
    const std::string name = ToNarrow(u"一郎");
    bytes.replace(bytes.find(name), name.size(), ToNarrow(u"別人"));
    std::ofstream(data, std::ios::binary | std::ios::trunc) << bytes;

    Station pc3{classroom, "PC3", clock};
    pc3.Start();
    const std::vector<Row> rows = Listed(pc3, ProfileOrder::ByStamp);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, name);
}
