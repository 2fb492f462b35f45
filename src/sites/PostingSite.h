#pragma once

#include "sites/SitesState.h"

#include <string>
#include <string_view>

namespace vq {
class Phone;

// One post as a row writer gets it: name and text are HTML already.
struct ShownPost {
    int number = 0;      // 1 for the oldest post of the file
    bool own = false;    // written by this station (exact StationName)
    std::string_view name;
    std::string_view text;
};

enum class PostOrder { NewestFirst, OldestFirst };

// A site on which every station posts to one shared file and every visit shows all of its posts:
// the bulletin board and the social timeline.
struct PostingSite {
    std::string_view dataFile;     // relative to DataRoot
    std::string_view templateFile; // relative to DataRoot
    std::string_view resultFolder; // the result page is resultFolder + "tmp" + StationName + resultName
    std::string_view resultName;
    int SitesState::*shown;        // the flag that makes the next visit a post
    PostOrder order;
    void (*appendRow)(std::string& rows, const ShownPost& post);
    std::u16string_view logTitle;
};

// The page handler of such a site: takes the post from the page being left when the site was shown
// before, then shows every post and logs the visit.
void ShowPostingSite(Phone& phone, const PostingSite& site);

} // namespace vq
