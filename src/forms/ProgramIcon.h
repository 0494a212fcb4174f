#pragma once
// The program's icon from its resources.
#include <windows.h>

namespace kv {

// The program's icon at the given size (shared: never destroyed); the
// platform's application icon when the executable has none.
HICON ProgramIcon(int size);

}  // namespace kv
