#pragma once
// The system actions and the foreground window's rights through user32,
// advapi32 and shell32.
#include <string>

#include "platform/SystemApi.h"
#include "platform/Types.h"

namespace kv {

class Win32System : public SystemApi {
public:
    // The tray icon that balloons appear over (its window and identifier)
    // and the balloon's title.
    void SetTrayIcon(WindowHandle window, unsigned id, const std::string& title);

    bool ClearClipboard(std::string& error) override;
    bool EndSession(SessionEnd how, std::string& error) override;
    // MessageBoxA over the thread's active window, with MB_DEFBUTTON2.
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    // A process whose level cannot be read counts as not higher: the input
    // is then sent as it always was.
    bool ForegroundIsElevated(std::string& title) override;
    void ShowTrayBalloon(const std::string& text) override;

private:
    WindowHandle trayWindow_ = 0;
    unsigned trayId_ = 0;
    std::string title_;
};

// Enables SE_SHUTDOWN_NAME in this process's token; false with the system's
// reason when the token refuses it. EndSession's first step, on its own so
// that it can be tried without ending anything.
bool EnableShutdownPrivilege(std::string& error);

// The mandatory integrity level (the label's RID, SECURITY_MANDATORY_*) of a
// process; false when it cannot be read.
bool ProcessIntegrityLevel(unsigned long processId, unsigned long& level);

}  // namespace kv
