#include "wingui/Prompts.h"

#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/MessageIconStyle.h"
#include "wingui/InputBox.h"
#include "wingui/SystemLibrary.h"

namespace kv {

namespace {

struct BrowseState {
    std::string current;  // the folder chosen in the tree
    std::string created;  // a folder typed into the edit box and created on request
};

bool IsAbsolutePath(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || (path.size() >= 2 && path[0] == '\\' && path[1] == '\\');
}

int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data) {
    auto* state = reinterpret_cast<BrowseState*>(data);
    switch (msg) {
        case BFFM_SELCHANGED: {
            char path[MAX_PATH] = {};
            state->current = SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path) ? path : "";
            break;
        }
        case BFFM_VALIDATEFAILEDA: {
            // A name typed into the edit box that names no folder: offer to
            // create it, with any missing parent folders.
            std::string typed = reinterpret_cast<const char*>(lParam);
            if (typed.empty()) return 1;
            if (!IsAbsolutePath(typed) && !state->current.empty()) {
                std::string base = state->current;
                if (base.back() != '\\') base += '\\';
                typed = base + typed;
            }
            if (MessageBoxA(hwnd, "The specified directory does not exist. Create it?", "Confirm",
                            MB_YESNO | MB_ICONQUESTION) != IDYES) {
                return 1;  // the chooser stays open
            }
            const int result = SHCreateDirectoryExA(hwnd, typed.c_str(), nullptr);
            if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS) {
                return 1;  // the shell has reported why
            }
            state->created = typed;
            return 0;  // the chooser closes
        }
    }
    return 0;
}

}  // namespace

void Win32Prompts::Message(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon) {
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MessageIconStyle(icon));
}

bool Win32Prompts::Confirm(HWND owner, const std::string& text, const std::string& caption, bool defaultNo) {
    const UINT style = MB_YESNO | MB_ICONQUESTION | (defaultNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style) == IDYES;
}

std::string Win32Prompts::InputBox(HWND owner, const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
    InputBoxWindow box(owner, caption, prompt, defaultText);
    return box.Execute();
}

bool Win32Prompts::ChooseFile(HWND owner, const FileDialogOptions& options, std::string& path) {
    return ShowFileDialog(owner, options, path);
}

bool Win32Prompts::ChooseDirectory(HWND owner, const std::string& title, const std::string& root, std::string& path) {
    // The chooser with an edit box needs OLE on this thread, for as long as
    // it is open; shell32 is loaded anyway (the tray icon).
    const SystemLibrary ole32("ole32.dll");
    auto* oleInitialize = ole32.Function<decltype(OleInitialize)>("OleInitialize");
    auto* oleUninitialize = ole32.Function<decltype(OleUninitialize)>("OleUninitialize");
    const HRESULT ole = oleInitialize ? oleInitialize(nullptr) : E_FAIL;

    // The root in UTF-16 through the ANSI code page, as the system reads
    // the program's other texts (a plain widening would garble accented
    // names).
    PIDLIST_ABSOLUTE rootList = nullptr;
    const std::string rootFolder = !root.empty() && root.back() != '\\' ? root + '\\' : root;
    std::vector<wchar_t> wideRoot(rootFolder.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, rootFolder.c_str(), -1, wideRoot.data(), int(wideRoot.size()));
    SHParseDisplayName(wideRoot.data(), nullptr, &rootList, 0, nullptr);

    BrowseState state;
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = rootList;
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&state);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);

    bool confirmed = false;
    if (!state.created.empty()) {
        path = state.created;
        confirmed = true;
    } else if (chosen) {
        char buffer[MAX_PATH] = {};
        if (SHGetPathFromIDListA(chosen, buffer)) {
            path = buffer;
            confirmed = true;
        }
    }
    if (chosen) ILFree(chosen);
    if (rootList) ILFree(rootList);
    if (SUCCEEDED(ole) && oleUninitialize) oleUninitialize();
    return confirmed;
}

}  // namespace kv
