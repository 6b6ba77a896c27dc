#pragma once
// The WMI client seam: connect by moniker, query, read properties, call methods. Every failure is a WmiError.
#include <windows.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace quilnet {

class WmiError : public std::runtime_error {
 public:
  WmiError(HRESULT code, const std::string& what) : std::runtime_error(what), code_(code) {}
  HRESULT code() const noexcept { return code_; }

 private:
  HRESULT code_;
};

// A property value as the program sees it: Null, a string, a list of strings, or a number.
using WmiValue = std::variant<std::monostate, std::wstring, std::vector<std::wstring>, long>;

// A method argument: a zero-based array whose elements are strings or 16-bit integers.
using WmiElement = std::variant<std::wstring, short>;
using WmiArray = std::vector<WmiElement>;

class WmiObject {
 public:
  virtual ~WmiObject() = default;
  // The whole property.
  virtual WmiValue Get(const std::wstring& name) = 0;
  // The property read with an index argument, as a script writes obj.Name(index): element `index` of an
  // array, the value itself when it is not an array. A Null property, or an index past the end, fails.
  virtual std::wstring Item(const std::wstring& name, long index) = 0;
  // Calls a method of the instance with these arguments, in order, and gives its numeric return value.
  // A method that answers with no number fails.
  virtual long CallMethod(const std::wstring& name, const std::vector<WmiArray>& arguments) = 0;
};
using WmiObjects = std::vector<std::unique_ptr<WmiObject>>;

struct WmiQueryOptions {
  std::wstring language;
  long flags = 0;
};
inline constexpr long kWbemFlagReturnImmediately = 16;

class WmiService {
 public:
  virtual ~WmiService() = default;
  // Without options the service's defaults apply. The instances come in the service's order.
  virtual WmiObjects ExecQuery(const std::wstring& query, const std::optional<WmiQueryOptions>& options) = 0;
};

class Wmi {
 public:
  virtual ~Wmi() = default;
  virtual std::unique_ptr<WmiService> Connect(const std::wstring& moniker) = 0;
  // A client for the calling thread, which must have entered a COM apartment of its own (COM objects do
  // not cross apartments). May be called on any thread; the client is used and released on that thread.
  virtual std::unique_ptr<Wmi> ForThisThread() = 0;
};

// The real client: the WMI scripting interface through COM (CoGetObject, late-bound IDispatch).
// The calling thread must have entered a COM apartment.
std::unique_ptr<Wmi> MakeComWmi();

// True when the value is a list with at least one element.
bool HasElements(const WmiValue& value);

}  // namespace quilnet
