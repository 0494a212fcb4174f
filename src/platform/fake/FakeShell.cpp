#include "platform/fake/FakeShell.h"

namespace kv {

void FakeShell::ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file) {
    opened.push_back({owner, verb, file});
    if (onShellOpen) onShellOpen(file);
}

void FakeShell::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    boxes.push_back({text, caption, icon});
}

}  // namespace kv
