// vqdata: builds a classroom data folder from the authored content. Text files (UTF-8, LF) become
// CP932 with CR LF, every folder the program writes to is made, and the pictures are drawn.

#include "Icons.h"
#include "Illustrations.h"
#include "Pictures.h"

#include "platform/Text.h"
#include "shell/DataFolders.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

bool IsText(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".html" || ext == ".htm" || ext == ".txt" || ext == ".dat" || ext == ".css" || ext == ".js";
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// UTF-8 with LF as written by authors; CP932 with CR LF as the program reads it.
std::string ToClassroomText(const std::string& utf8) {
    std::string crlf;
    crlf.reserve(utf8.size() + utf8.size() / 20);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) crlf += '\r';
        crlf += utf8[i];
    }
    return vq::Utf8ToCp932(crlf);
}

void CopyContent(const fs::path& content, const fs::path& data) {
    for (const auto& entry : fs::recursive_directory_iterator(content)) {
        const fs::path target = data / fs::relative(entry.path(), content);
        if (entry.is_directory()) {
            fs::create_directories(target);
            continue;
        }
        fs::create_directories(target.parent_path());
        if (IsText(entry.path())) {
            std::ofstream out(target, std::ios::binary | std::ios::trunc);
            out << ToClassroomText(ReadFile(entry.path()));
        } else {
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vqdata CONTENT-FOLDER DATA-FOLDER\n"
                     "       vqdata --built-in-pictures FOLDER   (the pictures compiled into the desktop phone)\n"
                     "       vqdata --icons FOLDER               (the desktop icons of both programs)\n";
        return 2;
    }
    try {
        if (std::string(argv[1]) == "--built-in-pictures") {
            fs::create_directories(argv[2]);
            datagen::DrawBuiltInPictures(argv[2]);
            return 0;
        }
        if (std::string(argv[1]) == "--icons") {
            datagen::DrawIcons(argv[2]);
            return 0;
        }
        const fs::path content = argv[1];
        const fs::path data = argv[2];
        for (const std::string_view folder : vq::kDataFolders) fs::create_directories(data / folder);
        CopyContent(content, data);
        datagen::DrawPhonePictures((data / "body_picture").string());
        datagen::DrawIllustrations((data / "prof" / "illustration").string());
    } catch (const std::exception& e) {
        std::cerr << "vqdata: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
