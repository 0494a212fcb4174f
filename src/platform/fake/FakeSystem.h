#pragma once
// Records the system actions instead of performing them: a test can never
// end the session of the machine it runs on.
#include <deque>
#include <string>
#include <vector>

#include "platform/SystemApi.h"

namespace kv {

class FakeSystem : public SystemApi {
public:
    struct Question {
        std::string text;
        std::string caption;
    };

    bool ClearClipboard(std::string& error) override;
    bool EndSession(SessionEnd how, std::string& error) override;
    // Answers from answers, No when it is empty.
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    bool ForegroundIsElevated(std::string& title) override;
    void ShowTrayBalloon(const std::string& text) override;

    // The clipboard's text; empty once cleared.
    std::string clipboard = "held text";
    int clipboardClears = 0;
    // When not empty, the clipboard cannot be cleared and this is the reason.
    std::string clipboardError;

    std::vector<SessionEnd> sessionEnds;
    // When not empty, ending the session is refused with this reason.
    std::string sessionError;

    std::vector<Question> questions;
    std::deque<bool> answers;

    // The window that has the keyboard; elevated when its process runs at a
    // higher integrity level than this program.
    bool foregroundElevated = false;
    std::string foregroundTitle;
    // How many times the players asked; after elevateAfterChecks answers
    // (when it is positive) the window becomes elevated, as when the user
    // switches to an administrator's window while a macro runs.
    int foregroundChecks = 0;
    int elevateAfterChecks = 0;

    std::vector<std::string> balloons;
};

}  // namespace kv
