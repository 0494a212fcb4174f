// Feeds arbitrary bytes to the list file reader (as the text of a list file,
// and one record at a time) and to Split, then checks what the writer makes
// of the table reads back the same way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/Convert.h"
#include "model/ListFile.h"
#include "model/Payload.h"
#include "model/Split.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const char separator = size > 0 ? text[0] : ';';
    for (const std::string& piece : kv::Split(text, separator)) Check(!kv::IsBlank(piece));
    kv::PayloadItems(kv::PayloadFields(text), kv::kKeyEventHeaderFields);

    static auto table = std::make_unique<kv::MacroTable>();
    std::set<std::uint32_t> taken;
    std::uint32_t nextId = 0xC000;
    kv::RegisterHotKeyFn registerHotKey = [&](std::uint32_t hotKey) -> std::uint32_t {
        return taken.insert(hotKey).second ? nextId++ : 0;
    };
    std::vector<std::string> lines;
    kv::ListFileResult result = kv::ReadListText(text, "fuzz.lis", *table, lines, registerHotKey);
    Check(table->MacroCount >= 0 && table->MacroCount <= kv::kMaxMacros);
    Check(static_cast<std::size_t>(table->MacroCount) <= lines.size());
    const bool readAll = static_cast<std::size_t>(table->MacroCount) == lines.size();
    // Text after a NUL is never read: such a load stops early even when every line before it loaded.
    const bool hasNul = text.find('\0') != std::string::npos;
    Check(result.completed == (readAll && !hasNul));

    // Every record the writer makes is one line that reads back to the same slot.
    for (int i = 0; i < table->MacroCount; ++i) {
        const kv::MacroSlot& slot = table->Macros[static_cast<std::size_t>(i)];
        const std::string line = kv::FormatListLine(slot);
        const std::vector<std::string> split = kv::SplitLines(line + "\r\n");
        Check(split.size() == 1 && split[0] == line);
        const bool hasSeparator = (slot.ActionKind + slot.ActionData + slot.Description).find(';') != std::string::npos;
        if (hasSeparator) continue;  // a ";" in a text shifts the pieces: the format has no escape
        std::vector<std::string> pieces = kv::ListLinePieces(line);
        // A record of an unknown kind is written back as it was read, extra pieces and all.
        Check(slot.KeptLine.empty() ? pieces.size() == kv::kListLinePieces
                                    : line == slot.KeptLine && pieces.size() >= kv::kListLinePieces);
        try {
            kv::MacroSlot back = kv::SlotFromPieces(pieces);
            Check(back.Enabled == slot.Enabled && back.HotKey == slot.HotKey && back.ActionKind == slot.ActionKind &&
                  back.ActionData == slot.ActionData && back.Description == slot.Description);
        } catch (const kv::ConvertError&) {
            std::abort();  // the writer's numbers always convert
        }
    }
    return 0;
}
