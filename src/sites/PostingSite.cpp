#include "sites/PostingSite.h"

#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"
#include "site/PageBuilder.h"
#include "sites/PostRecord.h"
#include "sites/PostingForm.h"
#include "sites/ShownText.h"

#include <vector>

namespace vq {
namespace {

void TakePost(Phone& phone, const PostingSite& site) {
    const auto form = ReadPostingForm(phone, 2);
    if (!form) return;
    const std::u16string& name = (*form)[0];
    const std::u16string& text = (*form)[1];
    if (name.empty() && text.empty()) return;
    // Every station of the class appends to this one file, often at the same moment.
    AppendSharedLineOrFail(phone.DataPath(site.dataFile), PostRecord(phone, name.empty() ? u"なし" : name, text));
}

void WriteRows(const Phone& phone, const PostingSite& site, const std::vector<std::string_view>& records,
               PageSink& sink) {
    std::string name;
    std::string text;
    const auto write = [&](std::size_t index) {
        const StoredPost post = *ParsePostRecord(records[index]);
        name.clear();
        text.clear();
        AppendShownText(name, post.name);
        AppendShownText(text, post.text);
        site.appendRow(sink.Text(),
                       ShownPost{static_cast<int>(index + 1), post.station == phone.StationName, name, text});
        sink.Pass();
    };
    if (site.order == PostOrder::NewestFirst) {
        for (std::size_t i = records.size(); i-- > 0;) write(i);
    } else {
        for (std::size_t i = 0; i < records.size(); ++i) write(i);
    }
}

} // namespace

void ShowPostingSite(Phone& phone, const PostingSite& site) {
    if (phone.sites.*site.shown == 1) TakePost(phone, site);
    phone.sites.*site.shown = 1;

    const std::string data = ReadAll(phone.DataPath(site.dataFile));
    const std::vector<std::string_view> records = PostRecordLines(data);

    LoadTemplate(phone, site.templateFile);
    ReplaceMarker(phone, kNameMarker, std::to_string(records.size()) + ToNarrow(u"件あります"));
    std::string result(site.resultFolder);
    result += "tmp" + phone.StationName;
    result += site.resultName;
    ShowResultPageStreaming(phone, kMainMarker, [&](PageSink& sink) { WriteRows(phone, site, records, sink); },
                            result);
    LogActivity(phone, site.logTitle);
}

} // namespace vq
