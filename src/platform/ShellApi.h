#pragma once
// The shell and the program's plain message boxes.
#include <string>

#include "platform/Types.h"

namespace kv {

enum class MessageIcon { None, Information, Warning, Error, Question };

class ShellApi {
public:
    virtual ~ShellApi() = default;

    // ShellExecuteA(owner, verb, file, "", "", SW_SHOWNORMAL); the result is
    // not used by the callers.
    virtual void ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file) = 0;

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

}  // namespace kv
