#pragma once
// Shared pieces of the model tests: a registrar that behaves like the hotkey
// component, and records in the writer's form. Real files come from
// tests/support.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "model/ListFile.h"
#include "support/TestFiles.h"

namespace kv {

// Hands out firstId, firstId + 1, ... and refuses a shortcut that is already
// registered, or one that "another program" holds.
struct FakeRegistrar {
    explicit FakeRegistrar(std::uint32_t firstId = 0xC000) : nextId(firstId) {}

    std::uint32_t Register(std::uint32_t hotKey) {
        ++calls;
        if (heldElsewhere.count(hotKey) || registered.count(hotKey)) return 0;
        registered[hotKey] = nextId;
        return nextId++;
    }
    void UnregisterAll() {
        registered.clear();
        ++unregisterAllCalls;
    }
    RegisterHotKeyFn Fn() {
        return [this](std::uint32_t hotKey) { return Register(hotKey); };
    }
    std::function<void()> UnregisterFn() {
        return [this] { UnregisterAll(); };
    }

    std::uint32_t nextId;
    std::map<std::uint32_t, std::uint32_t> registered;
    std::set<std::uint32_t> heldElsewhere;
    int calls = 0;
    int unregisterAllCalls = 0;
};

// One record in the writer's form, CR LF included.
inline std::string Record(std::uint32_t id, std::uint32_t hotKey, const std::string& payload,
                          const std::string& description, const std::string& kind = "RUNPRG",
                          const std::string& enabled = "-1") {
    return std::to_string(id) + ";" + enabled + ";" + kind + ";" + std::to_string(hotKey) + ";" + payload + ";" +
           description + "@\r\n";
}

// The table is large (1000 slots): keep it off the stack.
inline std::unique_ptr<MacroTable> NewTable() { return std::make_unique<MacroTable>(); }

}  // namespace kv
