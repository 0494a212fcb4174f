// The real file and folder dialogs: they open, a cancel ends them, and the
// file dialog's library is loaded only while the dialog is open.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "wingui/FileDialog.h"
#include "wingui/Prompts.h"

namespace kv {
namespace {

struct FoundDialog {
    DWORD processId;
    HWND dialog;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<FoundDialog*>(data);
    char name[16] = {};
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == found->processId && IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) &&
        std::string(name) == "#32770") {
        found->dialog = window;
        return FALSE;
    }
    return TRUE;
}

// Waits (up to 20 s) on its own thread for a dialog of this process, notes
// whether comdlg32 is loaded then, and cancels the dialog.
class DialogCanceller {
public:
    DialogCanceller()
        : thread_([this] {
              const DWORD start = GetTickCount();
              while (GetTickCount() - start < 20000) {
                  FoundDialog found = {GetCurrentProcessId(), nullptr};
                  EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
                  if (found.dialog) {
                      comdlg32WhileOpen_ = GetModuleHandleA("comdlg32.dll") != nullptr;
                      seen_ = true;
                      PostMessageA(found.dialog, WM_COMMAND, IDCANCEL, 0);
                      return;
                  }
                  Sleep(20);
              }
          }) {}
    ~DialogCanceller() {
        if (thread_.joinable()) thread_.join();
    }
    void Join() { thread_.join(); }
    bool Seen() const { return seen_; }
    bool Comdlg32WhileOpen() const { return comdlg32WhileOpen_; }

private:
    std::atomic<bool> seen_{false};
    std::atomic<bool> comdlg32WhileOpen_{false};
    std::thread thread_;
};

TEST(FileDialog, LoadsItsLibraryOnlyWhileOpen) {
    ASSERT_EQ(GetModuleHandleA("comdlg32.dll"), nullptr) << "the program imports comdlg32 again";
    DialogCanceller canceller;
    FileDialogOptions options;
    options.filter = "Macro lists (*.lis)|*.lis";
    options.defaultExtension = "lis";
    std::string path = "unchanged";
    EXPECT_FALSE(ShowFileDialog(nullptr, options, path));
    canceller.Join();
    EXPECT_TRUE(canceller.Seen());
    EXPECT_TRUE(canceller.Comdlg32WhileOpen());
    EXPECT_EQ(path, "unchanged");
    EXPECT_EQ(GetModuleHandleA("comdlg32.dll"), nullptr) << "comdlg32 stays loaded after the dialog";
}

TEST(FolderDialog, OpensAndCancels) {
    DialogCanceller canceller;
    Win32Prompts prompts;
    std::string path = "unchanged";
    EXPECT_FALSE(prompts.ChooseDirectory(nullptr, "Choose a folder", "C:\\", path));
    canceller.Join();
    EXPECT_TRUE(canceller.Seen());
    EXPECT_EQ(path, "unchanged");
}

}  // namespace
}  // namespace kv
