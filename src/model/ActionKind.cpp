#include "model/ActionKind.h"

namespace kv {

namespace {

struct KindName {
    const char* code;
    const char* displayName;
};

const KindName kKindNames[] = {
    {kKindRunProgram, "Run Program"},      {kKindOpenUrl, "Open URL"},         {kKindScreenCapture, "Screen Capture"},
    {kKindKeyEvents, "Key Events"},        {kKindMouseEvents, "Mouse Events"}, {kKindWindowActions, "Window Actions"},
    {kKindMiscellaneous, "Miscellaneous"},
};

const KindName* FindKind(const std::string& code) {
    for (const KindName& kind : kKindNames) {
        if (code == kind.code) return &kind;
    }
    return nullptr;
}

}  // namespace

std::string ActionDisplayName(const std::string& code) {
    const KindName* kind = FindKind(code);
    return kind ? kind->displayName : "Unknown (" + code + ")";
}

bool IsKnownActionKind(const std::string& code) { return FindKind(code) != nullptr; }

}  // namespace kv
