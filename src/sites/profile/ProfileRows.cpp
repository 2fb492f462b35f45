#include "sites/profile/ProfileRows.h"

#include "platform/Text.h"
#include "site/HtmlText.h"

namespace vq {
namespace {

std::u16string_view LinkTail(ProfileLink link) {
    switch (link) {
    case ProfileLink::View: return u"\"><b>表示</b></a></td></tr>";
    case ProfileLink::Edit: return u"prof_password.html\"><b>再編集</b></a></td></tr>";
    case ProfileLink::Delete: return u"prof_delete_password.html\"><b>削除</b></a></td></tr>";
    }
    return {};
}

// The view link names the stored page, the other two the profile followed by their page name.
std::string_view LinkTarget(const StoredProfile& profile, ProfileLink link) {
    return link == ProfileLink::View ? std::string_view(profile.pageFile) : std::string_view(profile.id);
}

std::u16string QuestionRow(std::u16string_view question) {
    std::u16string row = u"<tr><td colspan=\"2\" bgcolor=\"#60ff60\"><font color= \"#005000\">■";
    row += question;
    row += u"</font></td></tr>\r\n";
    return row;
}

std::u16string AnswerInput(ProfileForm form, std::u16string_view answer) {
    if (form == ProfileForm::Creation)
        return u"<tr><td>　</td><td bgcolor=\"#e0ffe0\"><input type=\"text\" size=\"30\"><br></td></tr>";
    return u"<tr><td>　</td><td bgcolor=\"#e0ffe0\"><input type=\"text\" size=\"30\" value=\"" + EscapeHtml(answer) +
           u"\"><br></td></tr>";
}

} // namespace

std::u16string ProfileListRow(std::string_view dataRoot, const StoredProfile& profile, ProfileLink link) {
    std::u16string row = u"<tr><td>" + ToWide(std::to_string(profile.views)) + u"</td><td><img src=\"";
    row += EscapeHtml(ToWide(std::string(dataRoot) + profile.picture));
    row += u"\" width=\"60\" height=\"45\"></td><td>";
    row += EscapeHtml(ToWide(profile.name));
    row += u"</td><td><a href=\"";
    row += EscapeHtml(ToWide(std::string(dataRoot) + "prof_html/" + std::string(LinkTarget(profile, link))));
    row += LinkTail(link);
    row += u"\r\n";
    return row;
}

std::string ProfileListRows(std::string_view dataRoot, const std::vector<StoredProfile>& profiles, ProfileLink link) {
    std::u16string rows;
    for (const StoredProfile& profile : profiles) rows += ProfileListRow(dataRoot, profile, link);
    return ToNarrow(rows);
}

std::u16string ProfileFormRows(const ProfileState& profile, ProfileForm form) {
    std::u16string rows;
    for (int slot = 1; slot < kProfileQuestionCount; ++slot) {
        const std::u16string& question = profile.ProfileQuestions[static_cast<std::size_t>(slot)];
        if (question.empty()) continue;
        rows += QuestionRow(question);
        rows += AnswerInput(form, profile.ProfileAnswers[static_cast<std::size_t>(slot)]);
    }
    return rows;
}

std::u16string ProfileShowRows(const ProfileState& profile) {
    std::u16string rows;
    for (int slot = 1; slot < kProfileQuestionCount; ++slot) {
        const std::u16string& answer = profile.ProfileAnswers[static_cast<std::size_t>(slot)];
        if (answer.empty()) continue;
        rows += QuestionRow(profile.ProfileQuestions[static_cast<std::size_t>(slot)]);
        rows += u"<tr><td>　</td><td bgcolor=\"#e0ffe0\">" + EscapeHtml(answer) + u"<br></td></tr>";
    }
    return rows;
}

} // namespace vq
