#include "xdotool.h"

#include <vector>

namespace kv::e2e {

namespace {

// Wine's ntdll starts Unix programs through this export (its own helpers,
// such as the browser launcher, use it); CreateProcess cannot.
using UnixSpawn = LONG(__cdecl*)(char* const argv[], int wait);

// Cuts the text at blanks; the arguments of these tests hold none.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool RunUnixProgram(const char* path, const std::string& arguments) {
    static const auto spawn = reinterpret_cast<UnixSpawn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    if (!spawn) return false;
    std::vector<std::string> words = Words(arguments);
    words.insert(words.begin(), path);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(&word[0]);
    argv.push_back(nullptr);
    return spawn(argv.data(), 1) == 0;
}

}  // namespace

bool Xdotool(const std::string& arguments, DWORD) { return RunUnixProgram("/usr/bin/xdotool", arguments); }

bool Xset(const std::string& arguments, DWORD) { return RunUnixProgram("/usr/bin/xset", arguments); }

}  // namespace kv::e2e
