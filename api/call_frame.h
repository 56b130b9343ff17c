// The one frame every entry point of the library runs in.
//
// An exported function, a window procedure, a hook or a timer procedure
// first finds its control through the frame: the handle must be a live
// window of the module's class "Tarn32" whose control is not being destroyed,
// or the entry point returns its failure value without touching anything.
// The frame pins the record for the whole call, so code that regains control
// after the application ran (a notification, a callback) may always read the
// record -- to ask whether the control died meanwhile, and stop.
#pragma once

#include "core/control_record.h"

// The record of a live control behind hwnd, or NULL.
ControlRecord* LiveControl(HWND hwnd);

class CallFrame {
public:
    explicit CallFrame(HWND hwnd) : pin_(LiveControl(hwnd)) {}
    explicit operator bool() const { return pin_.get() != nullptr; }
    ControlRecord* get() const { return pin_.get(); }

private:
    RecordPin pin_;
};

// Runs body(rec) inside a frame for hwnd; failure when hwnd is not a live
// control.
template <typename Result, typename Body>
Result WithControl(HWND hwnd, Result failure, Body body)
{
    CallFrame frame(hwnd);
    return frame ? static_cast<Result>(body(frame.get())) : failure;
}

// The same for functions without a result.
template <typename Body>
void WithControl(HWND hwnd, Body body)
{
    CallFrame frame(hwnd);
    if (frame)
        body(frame.get());
}
