// The program entry: one instance only. A second start asks the running
// instance to show itself and ends; the first creates the main window hidden
// and runs until Exit.
#include <windows.h>

#include <cstdlib>

#include "app/KeyvaneApp.h"
#include "uilogic/AppTitle.h"
#include "uilogic/ShowRequest.h"
#include "wingui/WindowHelpers.h"

// An exception that escapes ends the program as abort() does. The runtime's
// own handler would print the exception's demangled type to a console the
// program does not have, and would bring in its demangler (about 40 KiB).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// Sends the running instance "SHOWWINDOW" and waits until it has handled it.
void AskToShow(HWND running) {
    // The running instance may then take the foreground from this process.
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    AllowSetForegroundWindow(processId);

    char text[kv::kShowWindowSize];
    lstrcpynA(text, kv::kShowWindowText, sizeof(text));
    COPYDATASTRUCT data = {};
    data.dwData = 0;
    data.cbData = kv::kShowWindowSize;
    data.lpData = text;
    SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (HWND running = FindWindowA(kv::kMainWindowClass, nullptr)) {
        AskToShow(running);
        return 0;
    }

    kv::KeyvaneApp app(kv::ExeDir() + "macrolist.lis");
    app.Run();
    return 0;
}
