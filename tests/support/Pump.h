#pragma once
// Message pumping for tests that drive real windows on their own thread.
#include <windows.h>

#include <functional>

namespace quilnet::test {

// Dispatches the thread's messages for about `milliseconds`.
void Pump(DWORD milliseconds);
// Dispatches messages until `done` holds or `timeoutMs` have passed; the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace quilnet::test
