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

#include "hotkeys/MacroBinding.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "platform/fake/FakeForeground.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeKeyboardWatch.h"
#include "platform/fake/FakeMessageLoop.h"
#include "platform/fake/FakeScreen.h"
#include "platform/fake/FakeShell.h"
#include "runner/MacroRunner.h"

namespace kv {

constexpr unsigned kCtrlShift = kModControl | kModShift;
constexpr unsigned kVkF5 = 0x74, kVkF6 = 0x75, kVkF7 = 0x76;
constexpr std::uint32_t kCtrlShiftF5 = 24692, kCtrlShiftF6 = 24693, kCtrlShiftF7 = 24694;

class RunnerFixture : public ::testing::Test {
protected:
    RunnerFixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-runner-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        folder = pattern;
        listPath = folder + "/macrolist.lis";
        runner = std::make_unique<TMacroRunner>(
            RunnerPlatform{loop, shell, input, screen, &keyboard, &windows}, "Keyvane");
        runner->owner = 0x1234;
        binding = std::make_unique<TMacroBinding>(hotkeys, *runner, listPath);
    }
    ~RunnerFixture() override {
        binding.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

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
        int slot = binding->AddNewHotkey(hotKey, kind, payload, "", false);
        binding->MemToFile();
        return slot;
    }

    FakeHotKeyApi hotkeys;
    FakeMessageLoop loop;
    FakeShell shell;
    FakeInput input;
    FakeScreen screen;
    FakeKeyboardWatch keyboard;
    FakeForeground windows;
    std::string folder, listPath;
    std::unique_ptr<TMacroRunner> runner;
    std::unique_ptr<TMacroBinding> binding;
};

}  // namespace kv
