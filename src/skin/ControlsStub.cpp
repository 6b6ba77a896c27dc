// Until the control painters are in: every family but the push button keeps its own look.
#include "skin/Routing.h"

namespace quilnet::skin {

LRESULT ControlMessage(const Routed& routed) { return routed.Default(); }

void RefreshCheck(HWND, Family) {}

}  // namespace quilnet::skin
