#include "forms/ProgramIcon.h"

#include "forms/Resource.h"

namespace kv {

HICON ProgramIcon(int size) {
    HANDLE icon =
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KEYVANE), IMAGE_ICON, size, size, LR_SHARED);
    return icon ? static_cast<HICON>(icon) : LoadIcon(nullptr, IDI_APPLICATION);
}

}  // namespace kv
