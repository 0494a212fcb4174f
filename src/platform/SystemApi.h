#pragma once
// The system actions (clipboard, end of the session and their confirmation)
// and what the players must know about the window that has the keyboard.
#include <string>

namespace kv {

enum class SessionEnd { Restart, ShutDown };

class SystemApi {
public:
    virtual ~SystemApi() = default;

    // Empties the clipboard. False with the system's reason when it cannot
    // be opened or emptied.
    virtual bool ClearClipboard(std::string& error) = 0;

    // Enables the shutdown privilege of this process and ends the session
    // (ExitWindowsEx with EWX_REBOOT, or EWX_SHUTDOWN | EWX_POWEROFF, and a
    // planned-shutdown reason). False with the system's reason when the
    // privilege or the call is refused.
    virtual bool EndSession(SessionEnd how, std::string& error) = 0;

    // A question box with the buttons Yes and No, No being the default; true
    // when the user answers Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;

    // Whether the window that has the keyboard belongs to a process of a
    // higher integrity level than this one (the system then drops synthetic
    // input for it without a word); its title in title when it does.
    virtual bool ForegroundIsElevated(std::string& title) = 0;

    // A balloon with the text over the program's tray icon.
    virtual void ShowTrayBalloon(const std::string& text) = 0;
};

}  // namespace kv
