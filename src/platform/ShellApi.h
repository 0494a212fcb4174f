#pragma once
// The shell and the program's plain message boxes.
#include <string>

#include "platform/Types.h"

// <windows.h> makes these names macros for their A/W functions; the members
// below keep their own names where it was included first.
#ifdef ShellExecute
#undef ShellExecute
#endif
#ifdef MessageBox
#undef MessageBox
#endif

namespace kv {

enum class MessageIcon { None, Information, Warning, Error, Question };

class ShellApi {
public:
    virtual ~ShellApi() = default;

    // ShellExecuteA(owner, verb, file, "", "", SW_SHOWNORMAL); the result is
    // not used by the callers.
    virtual void ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file) = 0;

    // A message box with an OK button.
    virtual void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

}  // namespace kv
