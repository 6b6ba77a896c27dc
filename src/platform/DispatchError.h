#pragma once
// What a late-bound call reports when the object it reached raised an error of its own.
#include <oaidl.h>

namespace quilnet {

// The code of the error that IDispatch::Invoke reported as DISP_E_EXCEPTION: the object's own, read once
// any part it left to be filled in later has been filled in; `fallback` when it gave none. Frees the
// texts that came with it.
HRESULT TakeExceptionCode(EXCEPINFO& fault, HRESULT fallback) noexcept;

}  // namespace quilnet
