#pragma once
// The GUI thread's message loop: the main loop of the program, the loops of
// modal windows, and the passes of dispatch and the waits of the macro
// runner's delays.
#include <windows.h>

#include <cstdint>

#include "platform/MessageLoopApi.h"

namespace kv {

class Win32MessageLoop : public MessageLoopApi {
public:
    std::uint32_t TickCount() override;
    // Removes and dispatches every waiting message. A WM_QUIT met here marks
    // the program as terminating; the main loop ends once control is back.
    void ProcessMessages() override;
    // MsgWaitForMultipleObjectsEx on the queue: returns when input is waiting
    // (also input already seen but not removed) or after timeoutMs.
    void WaitForMessage(std::uint32_t timeoutMs) override;

    // The main loop: dispatches until the program is terminated; returns the
    // exit code.
    int Run();
    // A modal loop: dispatches until done becomes true or the program is
    // terminated.
    void RunUntil(const bool& done);

    // Ends the main loop (PostQuitMessage).
    void Terminate(int exitCode = 0);
    bool Terminated() const override { return terminated_; }

private:
    // Translates and dispatches one message; keyboard navigation goes to the
    // dialog-style window that holds the message's target.
    static void Dispatch(MSG& msg);
    void OnQuit(const MSG& msg);

    bool terminated_ = false;
    int exitCode_ = 0;
};

}  // namespace kv
