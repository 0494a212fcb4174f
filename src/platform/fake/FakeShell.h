#pragma once
// Records shell requests and message boxes instead of showing anything.
#include <functional>
#include <string>
#include <vector>

#include "platform/ShellApi.h"

namespace kv {

class FakeShell : public ShellApi {
public:
    struct Opened {
        WindowHandle owner;
        std::string verb;
        std::string file;
    };
    struct Box {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    void ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file) override;
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;

    std::vector<Opened> opened;
    std::vector<Box> boxes;
    // Runs on every ShellOpen, as the started program would.
    std::function<void(const std::string& file)> onShellOpen;
};

}  // namespace kv
