#include "support/GdiCount.h"

#include <vector>

#include "platform/Handles.h"

namespace quilnet::test {

long GdiObjectCount() {
  if (const DWORD used = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(used);
  std::vector<UniqueBrush> made;
  for (UniqueBrush brush(CreateSolidBrush(0)); brush; brush.reset(CreateSolidBrush(0))) made.push_back(std::move(brush));
  return -static_cast<long>(made.size());
}

}  // namespace quilnet::test
