#include "platform/Wmi.h"

namespace quilnet {

bool HasElements(const WmiValue& value) {
  const auto* list = std::get_if<std::vector<std::wstring>>(&value);
  return list && !list->empty();
}

}  // namespace quilnet
