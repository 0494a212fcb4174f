#pragma once
// The MessageBox icon style of a message's icon.
#include "platform/ShellApi.h"

#include <windows.h>

namespace kv {

inline UINT MessageIconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return MB_ICONINFORMATION;
        case MessageIcon::Warning: return MB_ICONWARNING;
        case MessageIcon::Error: return MB_ICONERROR;
        case MessageIcon::Question: return MB_ICONQUESTION;
        case MessageIcon::None: break;
    }
    return 0;
}

}  // namespace kv
