// The program that the end-to-end tests' macros start: it appends one line,
// its own file name and its arguments, to marks.txt beside itself and ends.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    const size_t slash = path.find_last_of("\\/");
    const std::string name = path.substr(slash + 1);
    const std::string marks = path.substr(0, slash + 1) + "marks.txt";

    std::string line = name;
    for (int i = 1; i < argc; ++i) line += std::string("|") + argv[i];
    line += "\r\n";

    // Several marks may come at once: retry while another one writes.
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE file = CreateFileA(marks.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
