#pragma once
// The screen through GDI: the virtual screen's metrics, a copy of its pixels
// at the display's colour depth, and the local clock.
#include "platform/ScreenApi.h"

namespace kv {

class Win32Screen : public ScreenApi {
public:
    Rect VirtualScreen() override;
    bool CaptureScreen(const Rect& area, Bitmap& out) override;
    LocalTime Now() override;
};

}  // namespace kv
