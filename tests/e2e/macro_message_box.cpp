#include "macro_message_box.h"

#include <vector>

#include "keyvane_instance.h"

namespace kv::e2e {

namespace {

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->processId || !IsWindowVisible(hwnd) || ClassName(hwnd) != "#32770") return TRUE;
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK FirstStaticText(HWND hwnd, LPARAM param) {
    auto* text = reinterpret_cast<std::string*>(param);
    if (_stricmp(ClassName(hwnd).c_str(), "Static") != 0) return TRUE;
    *text = WindowText(hwnd);
    return text->empty();
}

}  // namespace

HWND FindDialogOf(DWORD processId) {
    DialogSearch search{processId, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    // Through WM_GETTEXT, which GetWindowText does not send to the controls
    // of other processes; with a time-out, in case that process hangs.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::vector<char> text(size_t(length) + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    return text.data();
}

std::string MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool CloseMessageBox(HWND box, DWORD timeoutMs) {
    const HWND ok = GetDlgItem(box, IDOK);
    if (ok) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    } else {
        PostMessageA(box, WM_CLOSE, 0, 0);
    }
    return WaitUntil([box] { return !IsWindow(box); }, timeoutMs);
}

}  // namespace kv::e2e
