#include "support/FakeWmi.h"

#include <objbase.h>

#include <algorithm>
#include <chrono>
#include <cwctype>

namespace quilnet::test {
namespace {

std::wstring Lower(std::wstring s) {
  std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return s;
}

class FakeObject final : public WmiObject {
 public:
  // The adapter as it was when the query found it: as in WMI, an instance does not follow later changes.
  FakeObject(FakeWmi& wmi, size_t index, FakeAdapter adapter)
      : wmi_(wmi), index_(index), adapter_(std::move(adapter)) {}

  WmiValue Get(const std::wstring& name) override {
    wmi_.Record(L"Get " + name);
    return Value(name);
  }

  std::wstring Item(const std::wstring& name, long index) override {
    wmi_.Record(L"Item " + name);
    const WmiValue value = Value(name);
    if (const auto* text = std::get_if<std::wstring>(&value)) return *text;
    if (const auto* list = std::get_if<std::vector<std::wstring>>(&value)) {
      if (index >= 0 && static_cast<size_t>(index) < list->size()) return (*list)[static_cast<size_t>(index)];
    }
    throw WmiError(DISP_E_BADINDEX, "no such element");
  }

  long CallMethod(const std::wstring& name, const std::vector<WmiArray>& arguments) override {
    wmi_.Record(DescribeCall(name, arguments));
    return wmi_.Answer(index_, name, arguments).code;
  }

 private:
  WmiValue Value(const std::wstring& name) const {
    const std::wstring key = Lower(name);
    if (key == L"description") return adapter_.description;
    if (key == L"ipaddress") return adapter_.ipAddress;
    if (key == L"macaddress") return adapter_.mac;
    if (key == L"ipsubnet") return adapter_.ipSubnet;
    if (key == L"defaultipgateway") return adapter_.gateways;
    if (key == L"dnsserversearchorder") return adapter_.dnsServers;
    throw WmiError(DISP_E_UNKNOWNNAME, "unknown property");
  }

  FakeWmi& wmi_;
  size_t index_;
  FakeAdapter adapter_;
};

class FakeService final : public WmiService {
 public:
  explicit FakeService(FakeWmi& wmi) : wmi_(wmi) {}

  WmiObjects ExecQuery(const std::wstring& query, const std::optional<WmiQueryOptions>& options) override {
    std::wstring call = L"ExecQuery " + query;
    if (options) call += L" | " + options->language + L" " + std::to_wstring(options->flags);
    wmi_.Record(call);
    WmiObjects result;
    // Serves the two query forms the program sends: all IP-enabled adapters, or one by description.
    const std::wstring marker = L"Description=";
    const size_t at = query.find(marker);
    const std::vector<FakeAdapter> table = wmi_.Adapters();
    for (size_t i = 0; i < table.size(); ++i) {
      if (at != std::wstring::npos) {
        const std::wstring literal = query.substr(at + marker.size());
        if (literal != L"'" + table[i].description + L"'" && literal != L"\"" + table[i].description + L"\"") continue;
      }
      result.push_back(std::make_unique<FakeObject>(wmi_, i, table[i]));
    }
    return result;
  }

 private:
  FakeWmi& wmi_;
};

std::vector<std::wstring> Texts(const WmiValue& value) {
  if (const auto* list = std::get_if<std::vector<std::wstring>>(&value)) return *list;
  return {};
}

}  // namespace

std::wstring DescribeCall(const std::wstring& method, const std::vector<WmiArray>& arguments) {
  std::wstring text = L"Call " + method;
  for (const WmiArray& array : arguments) {
    text += L" [";
    for (size_t i = 0; i < array.size(); ++i) {
      if (i) text += L", ";
      if (const auto* s = std::get_if<std::wstring>(&array[i])) {
        text += L"\"" + *s + L"\"";
      } else {
        text += std::to_wstring(std::get<short>(array[i])) + L":I2";
      }
    }
    text += L"]";
  }
  return text;
}

void FakeWmi::Record(const std::wstring& call) {
  std::unique_lock<std::mutex> lock(mutex_);
  log_->push_back(call);
  if (!holdAt_.empty() && call == holdAt_) {
    ++waiting_;
    changed_.notify_all();
    if (!changed_.wait_for(lock, std::chrono::seconds(20), [&] { return passes_ > 0; })) gaveWay_ = true;
    if (passes_ > 0) --passes_;
    --waiting_;
  }
  if (std::find(failOn.begin(), failOn.end(), call) != failOn.end()) throw WmiError(0x80041017, "injected failure");
}

void FakeWmi::SetAdapters(std::vector<FakeAdapter> table) {
  const std::lock_guard<std::mutex> lock(mutex_);
  adapters = std::move(table);
}

std::vector<FakeAdapter> FakeWmi::Adapters() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return adapters;
}

size_t FakeWmi::Count(const std::wstring& call) {
  const std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<size_t>(std::count(log_->begin(), log_->end(), call));
}

FakeAnswer FakeWmi::Answer(size_t index, const std::wstring& method, const std::vector<WmiArray>& arguments) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (index >= adapters.size()) return {};  // a table set anew since the query
  FakeAdapter& adapter = adapters[index];
  std::vector<FakeAnswer>& listed = adapter.answers[method];
  const FakeAnswer answer = listed.empty() ? FakeAnswer{} : listed.front();
  if (!listed.empty()) listed.erase(listed.begin());
  if (!answer.takesEffect) return answer;
  const auto text = [&](size_t array, size_t i) { return std::get<std::wstring>(arguments.at(array).at(i)); };
  if (method == L"EnableStatic") {
    std::vector<std::wstring> ips = Texts(adapter.ipAddress), masks = Texts(adapter.ipSubnet);
    masks.resize(ips.size());
    auto at = std::find_if(ips.begin(), ips.end(), [](const std::wstring& ip) { return ip.find(L':') == ip.npos; });
    if (at == ips.end()) {
      masks.insert(masks.begin(), L"");
      at = ips.insert(ips.begin(), L"");
    }
    *at = text(0, 0);
    masks[static_cast<size_t>(at - ips.begin())] = text(1, 0);
    adapter.ipAddress = ips;
    adapter.ipSubnet = masks;
  } else if (method == L"SetGateways") {
    adapter.gateways = std::vector<std::wstring>{text(0, 0)};
  } else if (method == L"SetDNSServerSearchOrder") {
    adapter.dnsServers = std::vector<std::wstring>{text(0, 0), text(0, 1)};
  }
  return answer;
}

void FakeWmi::HoldAt(std::wstring call) {
  const std::lock_guard<std::mutex> lock(mutex_);
  holdAt_ = std::move(call);
}

bool FakeWmi::WaitHeld(DWORD ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return waiting_ > passes_; });
}

void FakeWmi::Release() {
  const std::lock_guard<std::mutex> lock(mutex_);
  ++passes_;
  changed_.notify_all();
}

class ThreadClient final : public Wmi {
 public:
  explicit ThreadClient(FakeWmi& wmi) : wmi_(wmi) { ++wmi_.threadClients_; }
  ~ThreadClient() override { --wmi_.threadClients_; }
  std::unique_ptr<WmiService> Connect(const std::wstring& moniker) override { return wmi_.Connect(moniker); }
  std::unique_ptr<Wmi> ForThisThread() override { return wmi_.ForThisThread(); }

 private:
  FakeWmi& wmi_;
};

std::unique_ptr<Wmi> FakeWmi::ForThisThread() { return std::make_unique<ThreadClient>(*this); }

std::unique_ptr<WmiService> FakeWmi::Connect(const std::wstring& moniker) {
  // The scripting objects WMI hands out are apartment-threaded: a client outside a single-threaded
  // apartment would reach them through a host thread that COM starts for them.
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  if (FAILED(CoGetApartmentType(&type, &qualifier)) || (type != APTTYPE_STA && type != APTTYPE_MAINSTA)) {
    ++connectsOutsideSta_;
  }
  Record(L"Connect " + moniker);
  return std::make_unique<FakeService>(*this);
}

}  // namespace quilnet::test
