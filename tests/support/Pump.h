#pragma once
// Message pumping for tests that drive real windows on their own thread. Wait on a condition, never on
// a fixed time, wherever there is a condition to wait for.
#include <windows.h>

#include <functional>

namespace quilnet::test {

// Dispatches the thread's messages for about `milliseconds`. Only for letting time pass on purpose.
void Pump(DWORD milliseconds);
// Dispatches messages until `done` holds or `timeoutMs` have passed; the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches what is queued now, paints included, without waiting for more.
void Drain();

}  // namespace quilnet::test
