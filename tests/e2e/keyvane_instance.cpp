#include "keyvane_instance.h"

#include <fstream>
#include <sstream>

#include <shellapi.h>

#include "forms/MainForm.h"
#include "support/TestFiles.h"

namespace kv::e2e {

namespace {

std::string g_keyvanePath;

std::string ThisDir() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    return path.substr(0, path.find_last_of("\\/") + 1);
}

UINT PlatformModifiers(std::uint32_t hotKey) {
    UINT modifiers = 0;
    if (hotKey & 0x2000) modifiers |= MOD_SHIFT;
    if (hotKey & 0x4000) modifiers |= MOD_CONTROL;
    if (hotKey & 0x8000) modifiers |= MOD_ALT;
    if (hotKey & 0x10000) modifiers |= MOD_WIN;
    return modifiers;
}

}  // namespace

INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = WORD(MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void SetKeyvanePath(const std::string& path) { g_keyvanePath = path; }
const std::string& KeyvanePath() { return g_keyvanePath; }
std::string MarkHelperPath() { return ThisDir() + "kv_e2e_mark.exe"; }

std::string ListLine(std::uint32_t id, const char* enabled, const char* kind, std::uint32_t hotKey,
                     const std::string& data, const std::string& description) {
    return std::to_string(id) + ";" + enabled + ";" + kind + ";" + std::to_string(hotKey) + ";" + data + ";" +
           description + "@\r\n";
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFileText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(25);
    }
}

void PressShortcut(std::uint32_t hotKey) { PressShortcut(hotKey, 0); }

void PressShortcut(std::uint32_t hotKey, DWORD holdMs) {
    std::vector<WORD> modifiers;
    if (hotKey & 0x4000) modifiers.push_back(VK_CONTROL);
    if (hotKey & 0x2000) modifiers.push_back(VK_SHIFT);
    if (hotKey & 0x8000) modifiers.push_back(VK_MENU);
    if (hotKey & 0x10000) modifiers.push_back(VK_LWIN);
    const WORD key = WORD(hotKey & 0xFF);
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    if (holdMs > 0) {
        SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
        inputs.clear();
        Sleep(holdMs);
    }
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool ShortcutIsFree(std::uint32_t hotKey) {
    if (!RegisterHotKey(nullptr, 0x7E2E, PlatformModifiers(hotKey), hotKey & 0xFF)) return false;
    UnregisterHotKey(nullptr, 0x7E2E);
    return true;
}

bool TrayIconPresent(HWND window) {
    // Changing nothing of an icon succeeds only for an icon that is there.
    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window;
    probe.uID = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

namespace {

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd)) search->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// ---------------------------------------------------------------- TempFolder

TempFolder::TempFolder() {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "kv-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
    CopyFileA(KeyvanePath().c_str(), Keyvane().c_str(), FALSE);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::AddMarkHelper(const std::string& name) {
    const std::string path = File(name);
    CopyFileA(MarkHelperPath().c_str(), path.c_str(), FALSE);
    return path;
}

std::vector<std::string> TempFolder::Marks() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileText(File("marks.txt")));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// ---------------------------------------------------------------- KeyvaneProcess

KeyvaneProcess::KeyvaneProcess(const TempFolder& folder) : folder_(folder) {}

KeyvaneProcess::~KeyvaneProcess() {
    if (pi_.hProcess) {
        if (Running() && !Exit(5000)) {
            TerminateProcess(pi_.hProcess, 1);
            WaitForSingleObject(pi_.hProcess, 5000);
        }
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
}

bool KeyvaneProcess::StartAndWaitReady() {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + folder_.Keyvane() + "\"";
    if (!CreateProcessA(folder_.Keyvane().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.Path().c_str(), &si, &pi_)) {
        return false;
    }
    return WaitUntil([this] {
        if (!Running()) return false;
        const HWND found = FindWindowA("TfrmKeyvaneMain", nullptr);
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        if (!found || pid != pi_.dwProcessId) return false;
        main_ = found;
        return TrayIconPresent(found);  // added after the list is loaded
    });
}

bool KeyvaneProcess::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

bool KeyvaneProcess::Exit(DWORD timeoutMs) {
    if (!Running()) return true;
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(MainForm::cmExit, 0), 0);
    return WaitForSingleObject(pi_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD KeyvaneProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

DWORD RunToEnd(const TempFolder& folder, DWORD timeoutMs) {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + folder.Keyvane() + "\"";
    if (!CreateProcessA(folder.Keyvane().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path().c_str(), &si, &pi)) {
        return DWORD(-1);
    }
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(pi.hProcess, &code);
    } else {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

// ---------------------------------------------------------------- UrlScheme

namespace {

void RegisterScheme(HKEY root, const std::string& key, const std::string& scheme, const std::string& handler) {
    auto setValue = [root](const std::string& path, const char* name, const std::string& value) {
        HKEY h = nullptr;
        if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
            RegCloseKey(h);
        }
    };
    setValue(key, nullptr, "URL:" + scheme + " Protocol");
    setValue(key, "URL Protocol", "");
    setValue(key + "\\shell\\open\\command", nullptr, "\"" + handler + "\" \"%1\"");
}

void RemoveScheme(HKEY root, const std::string& key) {
    // Deepest first: RegDeleteKey removes keys without subkeys only.
    for (const char* sub : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""}) {
        RegDeleteKeyA(root, (key + sub).c_str());
    }
}

bool ClassesRootHas(const std::string& scheme) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, (scheme + "\\shell\\open\\command").c_str(), 0, KEY_READ, &h) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(h);
    return true;
}

}  // namespace

UrlScheme::UrlScheme(const std::string& scheme, const std::string& handler) : scheme_(scheme) {
    RegisterScheme(HKEY_CURRENT_USER, "Software\\Classes\\" + scheme, scheme, handler);
    if (!ClassesRootHas(scheme)) {
        RegisterScheme(HKEY_CLASSES_ROOT, scheme, scheme, handler);
        inClassesRoot_ = true;
    }
}

UrlScheme::~UrlScheme() {
    RemoveScheme(HKEY_CURRENT_USER, "Software\\Classes\\" + scheme_);
    if (inClassesRoot_) RemoveScheme(HKEY_CLASSES_ROOT, scheme_);
}

// ---------------------------------------------------------------- KeyvaneTest

void KeyvaneTest::Start(const char* listText) {
    if (listText) WriteFileText(folder.ListFile(), listText);
    keyvane = std::make_unique<KeyvaneProcess>(folder);
    ASSERT_TRUE(keyvane->StartAndWaitReady()) << "keyvane.exe did not come up: " << folder.Keyvane();
}

void KeyvaneTest::TearDown() {
    keyvane.reset();
    // No modifier stays down for the next test.
    INPUT up[] = {KeyInput(VK_CONTROL, true), KeyInput(VK_SHIFT, true), KeyInput(VK_MENU, true),
                  KeyInput(VK_LWIN, true)};
    SendInput(4, up, sizeof(INPUT));
}

}  // namespace kv::e2e
