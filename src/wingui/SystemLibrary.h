#pragma once
// A system library loaded only while it is needed: the file and folder
// dialogs' libraries (comdlg32, ole32 and what they pull in) cost about a
// megabyte, so they are loaded when a dialog opens and released after it.
#include <windows.h>

namespace kv {

class SystemLibrary {
public:
    explicit SystemLibrary(const char* name) : module_(LoadLibraryA(name)) {}
    ~SystemLibrary() {
        if (module_) FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The library's function of that name with the type of the declared
    // function F (calling convention included), or null.
    template <typename F>
    F* Function(const char* name) const {
        const FARPROC found = module_ ? GetProcAddress(module_, name) : nullptr;
        // Through a plain function pointer type, which every function pointer converts to and from.
        return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(found));
    }

private:
    HMODULE module_;
};

}  // namespace kv
