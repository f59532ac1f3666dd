// Waiting with the message queue drained: MsgWaitForMultipleObjects, then every pending message.
#pragma once
#include <windows.h>

#include <functional>

// Dispatches every pending message; returns false if WM_QUIT was among them (it is re-posted).
bool DrainMessages();
// Pumps until done() is true or timeoutMs passes; returns done()'s last value. done() is looked at
// every few milliseconds, so it may watch state that other threads change.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Pumps for the given time.
void PumpMessagesFor(DWORD milliseconds);
