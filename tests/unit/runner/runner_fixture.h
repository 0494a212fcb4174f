#pragma once
// A whole main-window back end over the fakes: the runner, the binding with
// its hotkey component, and a list file in a temporary folder.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "dispatch/MacroBinding.h"
#include "platform/fake/FakeForeground.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeKeyboardWatch.h"
#include "platform/fake/FakeMessageLoop.h"
#include "platform/fake/FakeScreen.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeTopLevelWindows.h"
#include "runner/MacroRunner.h"
#include "support/Shortcuts.h"
#include "support/TestFiles.h"

namespace kv {

constexpr unsigned kCtrlShift = kModControl | kModShift;
constexpr unsigned kVkF5 = 0x74, kVkF6 = 0x75, kVkF7 = 0x76;

class RunnerFixture : public ::testing::Test {
protected:
    RunnerFixture() {
        folder = temp_.Path();
        listPath = temp_.File("macrolist.lis");
        runner = std::make_unique<MacroRunner>(
            RunnerPlatform{loop, shell, input, screen, windows, system, &keyboard, &foreground}, "Keyvane");
        runner->owner = 0x1234;
        binding = std::make_unique<MacroBinding>(hotkeys, *runner, listPath);
    }
    ~RunnerFixture() override { binding.reset(); }

    void WriteList(const std::string& text) {
        std::ofstream out(listPath, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string ReadList() const {
        std::ifstream in(listPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Adds a macro as the editor does: store, then save.
    int Add(std::uint32_t hotKey, const std::string& kind, const std::string& payload) {
        int slot = binding->StoreMacro(hotKey, kind, payload, "", false);
        binding->SaveListFile();
        return slot;
    }

    TempFolder temp_{"kv-runner"};
    FakeHotKeyApi hotkeys;
    FakeMessageLoop loop;
    FakeShell shell;
    FakeInput input;
    FakeScreen screen;
    FakeTopLevelWindows windows;
    FakeSystem system;
    FakeKeyboardWatch keyboard;
    FakeForeground foreground;
    std::string folder, listPath;
    std::unique_ptr<MacroRunner> runner;
    std::unique_ptr<MacroBinding> binding;
};

}  // namespace kv
