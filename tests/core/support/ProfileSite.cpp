#include "support/ProfileSite.h"

#include <regex>

namespace vqtest {

void WriteProfileTemplates(const Classroom& classroom) {
    classroom.Write("prof/prof_quest.txt", "パスワード\n名前\n趣味\n");
    classroom.Write("prof/prof_new2.html",
                    "<img src=\"<!--velquinName-->\">\n<form><input name=\"PhotoPassword\">\n"
                    "<input type=\"text\" name=\"Password\" size=\"20\">\n"
                    "<table><!--velquinLAN--></table><input type=\"submit\"></form>\n");
    classroom.Write("prof/prof_new3.html", "<p><!--velquinName--></p><table><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_data.html", "<img src=\"<!--velquinName-->\">\n<table border=\"0\"><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_list.html", "<table><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_best.html", "<table class=\"best\"><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_search2.html",
                    "<form><input name=\"keyword\"></form><p><!--velquinLAN2--></p><table><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_edit3.html", "<img src=\"<!--velquinName-->\"><form><!--velquinLAN--></form>\n");
    classroom.Write("prof/prof_edit4.html",
                    "<img src=\"<!--velquinName-->\"><form><input type=\"hidden\">"
                    "<input type=\"text\" name=\"Password\" size=\"20\"><table><!--velquinLAN--></table></form>\n");
    classroom.Write("prof/prof_edit5.html", "<p><!--velquinName--></p><table><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_deletelist.html", "<table class=\"delete\"><!--velquinLAN--></table>\n");
    classroom.Write("prof/prof_delete3.html", "<p>deleted</p>\n");
    classroom.Write("prof/prof_top.html", "<form><input name=\"keyword\"></form>\n");
}

void CreateProfile(Station& station, const std::string& password, const std::string& name, const std::string& hobby) {
    station.Open(VirtualPage("prof_write.html"));
    station.Fill(1, password);
    station.Fill(2, name);
    station.Fill(3, hobby);
    station.Open(VirtualPage("prof_new3.html"));
}

namespace {

std::vector<std::string> RowCells(const Classroom& classroom, const std::string& station, int cell) {
    const std::string page = classroom.Read("prof/tmp" + station + ".html");
    static const std::regex row(R"(<tr><td>(\d+)</td><td><img [^>]*></td><td>(.*?)</td><td><a )");
    std::vector<std::string> cells;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), row); it != std::sregex_iterator(); ++it)
        cells.push_back((*it)[cell].str());
    return cells;
}

} // namespace

std::vector<std::string> ListedNames(const Classroom& classroom, const std::string& station) {
    return RowCells(classroom, station, 2);
}

std::vector<int> ListedCounts(const Classroom& classroom, const std::string& station) {
    std::vector<int> counts;
    for (const std::string& cell : RowCells(classroom, station, 1)) counts.push_back(std::stoi(cell));
    return counts;
}

} // namespace vqtest
