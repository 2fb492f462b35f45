#pragma once

#include <string>

namespace vq {

// Makes a classroom folder at path (CP932; made if missing): a data/ with every folder the phones
// use, the teaching content, templates and pictures of the bundled data folder (lesson files there,
// from trying the phones, are left behind) and empty board and timeline files. The data/ appears
// whole or not at all: it is built under another name and renamed at the end. Throws PlatformError
// when path already holds a data/, when the bundled folder is missing, or when writing fails.
void CreateClassroom(const std::string& path, const std::string& bundledDataFolder);

} // namespace vq
