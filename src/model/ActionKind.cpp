#include "model/ActionKind.h"

namespace kv {

namespace {

struct KindName {
    const char* code;
    const char* displayName;
};

const KindName kKindNames[] = {
    {kKindRunProgram, "Run Program"},       {kKindOpenUrl, "Open URL"},
    {kKindScreenCapture, "Screen Capture"}, {kKindKeyEvents, "Key Events"},
    {kKindMouseEvents, "Mouse Events"},     {kKindWindowActions, "Window Actions"},
    {kKindMiscellaneous, "Miscellaneous"},
};

}  // namespace

std::string ActionDisplayName(const std::string& code) {
    for (const KindName& kind : kKindNames) {
        if (code == kind.code) return kind.displayName;
    }
    return "";
}

bool IsKnownActionKind(const std::string& code) { return !ActionDisplayName(code).empty(); }

}  // namespace kv
