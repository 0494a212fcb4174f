#include "model/MacroTable.h"

namespace kv {

int MacroTable::FindByUniqueID(std::uint32_t id) const {
    for (int i = 0; i < MacroCount && i < kMaxMacros; ++i) {
        if (Macros[i].UniqueID == id) return i;
    }
    return -1;
}

bool MacroTable::IsFull() const { return MacroCount >= kMaxMacros; }

}  // namespace kv
