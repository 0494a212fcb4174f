#pragma once
// Real files for the tests, on Linux and under Wine: a fresh folder removed
// with what it holds, whole-file reads and writes, and folder listings.
#include <string>
#include <vector>

namespace kv {

// A fresh folder in the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
public:
    // prefix starts the folder's name ("kv-model", ...).
    explicit TempFolder(const std::string& prefix = "kv-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // A path in the folder (the system's separator).
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);

// The names of the files (not folders) in folder, sorted.
std::vector<std::string> FileNamesIn(const std::string& folder);
// Removes folder with everything in it (read-only files too).
void RemoveTree(const std::string& folder);

}  // namespace kv
