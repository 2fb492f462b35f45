#pragma once

#include <string>
#include <string_view>

namespace vq {

// A classroom folder as the teacher's console sees it: the folder that holds data/. A lesson saved
// by the archive is one too, holding a data/ of its own, so the same views open it.
class ClassroomFolder {
public:
    // path: CP932, with or without a trailing "/". Throws PlatformError, with a message that says
    // what to do, when the folder holds no data/.
    [[nodiscard]] static ClassroomFolder Open(const std::string& path);
    // A folder whose data/ may not exist yet (a new classroom being made).
    explicit ClassroomFolder(std::string path);

    [[nodiscard]] const std::string& Root() const { return root_; }
    // The folder's data/, ending with "/".
    [[nodiscard]] std::string DataRoot() const { return root_ + "/data/"; }
    // DataRoot + a relative path written with "/".
    [[nodiscard]] std::string DataPath(std::string_view relative) const;
    // A path beside data/: "archive/..." for the saved lessons.
    [[nodiscard]] std::string BesideData(std::string_view relative) const;

private:
    std::string root_;
};

} // namespace vq
