#include "platform/fake/FakeSystem.h"

namespace kv {

bool FakeSystem::ClearClipboard(std::string& error) {
    if (!clipboardError.empty()) {
        error = clipboardError;
        return false;
    }
    ++clipboardClears;
    clipboard.clear();
    return true;
}

bool FakeSystem::EndSession(SessionEnd how, std::string& error) {
    if (!sessionError.empty()) {
        error = sessionError;
        return false;
    }
    sessionEnds.push_back(how);
    return true;
}

bool FakeSystem::AskYesNo(const std::string& text, const std::string& caption) {
    questions.push_back({text, caption});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeSystem::ForegroundIsElevated(std::string& title) {
    ++foregroundChecks;
    if (elevateAfterChecks > 0 && foregroundChecks > elevateAfterChecks) foregroundElevated = true;
    if (foregroundElevated) title = foregroundTitle;
    return foregroundElevated;
}

void FakeSystem::ShowTrayBalloon(const std::string& text) { balloons.push_back(text); }

}  // namespace kv
