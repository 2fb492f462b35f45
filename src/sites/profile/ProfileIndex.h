#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The profile index: a shared file that every change to the profile folders is written to, so that a
// station can bring its picture of the profiles up to date by reading the new lines of one file
// instead of listing, asking about and reading hundreds of files, each a round trip to the file
// server. It is a cache, never the truth: what the folders hold wins, and a reader that finds the
// folders changed in a way the index does not tell reads them whole again (see ProfileCatalog).
//
// The file is CP932 text, one event a line, fields separated by a tab; inside a field the bytes "%",
// tab, CR and LF are written as "%25", "%09", "%0D" and "%0A" (none of them is ever the second byte
// of a double-byte character, so the stored bytes come back exactly). Every event line ends with a
// field "." so that a line cut short by a crash is recognised and skipped. The first line names the
// index and carries a generation that changes whenever the whole file is written anew.

// Relative to DataRoot. Outside the three profile folders, whose last-write times it records, so
// that writing it anew moves none of them; never matched by "*.html" or "*.dat".
inline constexpr std::string_view kProfileIndexPath = "prof/prof_index.log";

// The last-write times of the three profile folders. A folder's time moves whenever a name in it is
// made, removed or renamed, so every save, deletion and view moves one of them. 0 stands for a
// folder whose time was not taken.
struct ProfileFolderTimes {
    std::int64_t pages = 0;    // prof_html
    std::int64_t data = 0;     // prof_edit
    std::int64_t counters = 0; // prof_counter

    // True when no folder changed after the times recorded here.
    [[nodiscard]] bool Covers(const ProfileFolderTimes& observed) const;
    // The later of the two times of every folder.
    void Raise(const ProfileFolderTimes& other);
    friend bool operator==(const ProfileFolderTimes&, const ProfileFolderTimes&) = default;
};

// Which of the three folders a change touches.
struct ProfileFolderSet {
    bool pages = false;
    bool data = false;
    bool counters = false;
};
inline constexpr ProfileFolderSet kAllProfileFolders{true, true, true};

// The folders' times now (0 for those not asked for). Throws PlatformError when one asked for is missing.
[[nodiscard]] ProfileFolderTimes StatProfileFolders(const std::string& dataRoot,
                                                    ProfileFolderSet folders = kAllProfileFolders);

// What the lists need of a stored page and its profile data file.
struct IndexedProfile {
    std::string id;
    std::int64_t stampNs = 0; // the stored page's last-write time
    std::string picture;      // relative to DataRoot, "/" separators
    std::string name;         // answer slot 1, CP932 as stored
    std::vector<std::string> furtherAnswers; // answer slots 2 on; the password is never in the index
};

struct ProfileIndexEvent {
    enum class Kind {
        Saved,          // a stored page and its data file written (creation or edit)
        Deleted,        // a stored page removed (name holds the ProfileId)
        CounterWritten, // a view file written (name holds its file name)
        Unreadable,     // a stored page whose data file cannot be read (name: ProfileId, message: why)
        Settled,        // everything up to the folder times is in the index
    };
    Kind kind = Kind::Settled;
    // The times of the folders the change touches, right before and right after it, both taken under
    // the index's lock. A reader that finds a folder's time before a change later than its time after
    // the previous one knows that something the index does not tell happened in between. A Settled
    // line has only the times after.
    ProfileFolderTimes before;
    ProfileFolderTimes after;
    IndexedProfile profile; // Saved
    std::string name;       // Deleted, CounterWritten, Unreadable
    std::string message;    // Unreadable: the file layer's message (UTF-8)
};

// "Settled" is what makes folder times count: lines before an index's first Settled line come from
// writers that found no index, or one that was not yet known to be complete, so a reader cannot
// conclude from them that nothing else changed.

// The folders a change of this kind touches.
[[nodiscard]] ProfileFolderSet FoldersTouchedBy(ProfileIndexEvent::Kind kind);

[[nodiscard]] std::string NewProfileIndexHeader();
// The header line (with its CR LF) at the start of an index's content; empty when there is none.
[[nodiscard]] std::string_view ProfileIndexHeader(std::string_view content);

[[nodiscard]] std::string FormatProfileIndexLine(const ProfileIndexEvent& event);
// nullopt for a line that is not a whole event line (cut short, damaged, or the header).
[[nodiscard]] std::optional<ProfileIndexEvent> ParseProfileIndexLine(std::string_view line);

} // namespace vq
