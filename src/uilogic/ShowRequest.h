#pragma once
// The single-instance message: a second start sends the running instance's
// main window WM_COPYDATA with dwData 0 and the text "SHOWWINDOW" and its NUL
// (cbData 11). No <windows.h> here, so the check is tested natively.
#include <cstddef>
#include <cstring>

namespace kv {

constexpr const char* kMainWindowClass = "TfrmKeyvaneMain";
constexpr const char* kShowWindowText = "SHOWWINDOW";
constexpr size_t kShowWindowSize = 11;  // the text and its terminating NUL

// Whether the data of a copy-data message asks the running instance to show
// itself: its text equals "SHOWWINDOW" exactly, case included. The text ends
// at its NUL or after size bytes, whichever comes first: a sender's record
// without a NUL is never read beyond its end.
inline bool IsShowWindowRequest(const void* data, size_t size) {
    if (!data) return false;
    const char* text = static_cast<const char*>(data);
    const void* nul = std::memchr(text, 0, size);
    const size_t length = nul ? size_t(static_cast<const char*>(nul) - text) : size;
    return length == std::strlen(kShowWindowText) && std::memcmp(text, kShowWindowText, length) == 0;
}

}  // namespace kv
