#include "support/TestFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kv {

#ifdef _WIN32

namespace {
const char kSeparator = '\\';
}

TempFolder::TempFolder(const std::string& prefix) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    for (;;) {
        path_ =
            std::string(temp) + prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

namespace {
// Every entry of folder but "." and ".."; directories flagged.
template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}
}  // namespace

void RemoveTree(const std::string& folder) {
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::string path = folder + "\\" + name;
        if (isFolder) {
            RemoveTree(path);
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    });
    RemoveDirectoryA(folder.c_str());
}

#else

namespace {
const char kSeparator = '/';

template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat info;
        const bool isFolder = lstat((folder + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        visit(name, isFolder);
    }
    closedir(dir);
}
}  // namespace

TempFolder::TempFolder(const std::string& prefix) {
    const char* tmp = getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

void RemoveTree(const std::string& folder) {
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::string path = folder + "/" + name;
        if (isFolder) {
            RemoveTree(path);
        } else {
            unlink(path.c_str());
        }
    });
    rmdir(folder.c_str());
}

#endif

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::File(const std::string& name) const { return path_ + kSeparator + name; }

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        if (!isFolder) names.push_back(name);
    });
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kv
