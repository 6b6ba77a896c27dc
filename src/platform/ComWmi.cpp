// The WMI scripting interface, late bound: what a script's GetObject("winmgmts:...") reaches.
#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ComPtr.h"
#include "platform/DispatchError.h"
#include "platform/Wmi.h"

namespace quilnet {
namespace {

std::string Describe(const char* step, const std::wstring& name) {
  std::string text = step;
  for (wchar_t c : name) text += c < 0x80 ? static_cast<char>(c) : '?';
  return text;
}

void Check(HRESULT hr, const char* step, const std::wstring& name) {
  if (FAILED(hr)) throw WmiError(hr, Describe(step, name));
}

class Variant {
 public:
  Variant() noexcept { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* get() noexcept { return &v_; }
  const VARIANT& operator*() const noexcept { return v_; }

 private:
  VARIANT v_;
};

std::wstring ToText(const VARIANT& value, const std::wstring& name) {
  if (value.vt == VT_BSTR) return value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : L"";
  if (value.vt == VT_NULL || value.vt == VT_EMPTY) throw WmiError(DISP_E_TYPEMISMATCH, Describe("Null value: ", name));
  Variant text;
  Check(VariantChangeType(text.get(), const_cast<VARIANT*>(&value), 0, VT_BSTR), "cannot read as text: ", name);
  return ToText(*text, name);
}

// The elements of a one-dimensional SAFEARRAY of strings or variants, as text.
std::vector<std::wstring> ArrayToTexts(const VARIANT& value, const std::wstring& name) {
  SAFEARRAY* array = (value.vt & VT_BYREF) ? *value.pparray : value.parray;
  std::vector<std::wstring> texts;
  if (!array || SafeArrayGetDim(array) != 1) return texts;
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  const VARTYPE elementType = value.vt & VT_TYPEMASK;
  for (LONG i = lower; i <= upper; ++i) {
    Variant element;
    if (elementType == VT_VARIANT) {
      Check(SafeArrayGetElement(array, &i, element.get()), "array element: ", name);
    } else {
      element.get()->vt = elementType;
      Check(SafeArrayGetElement(array, &i, &element.get()->byref), "array element: ", name);
    }
    texts.push_back(ToText(*element, name));
  }
  return texts;
}

// Calls a member by name. `args` are in the caller's order; IDispatch wants them reversed.
void Invoke(IDispatch* target, const std::wstring& name, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
  Check(target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), "unknown member: ", name);
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  EXCEPINFO fault{};
  const HRESULT hr = target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &fault, nullptr);
  if (hr == DISP_E_EXCEPTION) throw WmiError(TakeExceptionCode(fault, hr), Describe("call failed: ", name));
  Check(hr, "call failed: ", name);
}

VARIANT TextArg(BSTR text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = text;
  return v;
}

VARIANT LongArg(long number) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = number;
  return v;
}

class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (!b_) throw WmiError(E_OUTOFMEMORY, "out of memory");
  }
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const noexcept { return b_; }

 private:
  BSTR b_;
};

// An array argument as a script builds it with Array(...): a SAFEARRAY of VARIANTs from index 0.
void PutArray(const WmiArray& elements, VARIANT* argument) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(elements.size()));
  if (!array) throw WmiError(E_OUTOFMEMORY, "out of memory");
  argument->vt = VT_ARRAY | VT_VARIANT;
  argument->parray = array;  // the argument owns it from here
  LONG index = 0;
  for (const WmiElement& element : elements) {
    Variant value;
    if (const auto* text = std::get_if<std::wstring>(&element)) {
      value.get()->vt = VT_BSTR;
      value.get()->bstrVal = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
      if (!value.get()->bstrVal) throw WmiError(E_OUTOFMEMORY, "out of memory");
    } else {
      value.get()->vt = VT_I2;
      value.get()->iVal = std::get<short>(element);
    }
    Check(SafeArrayPutElement(array, &index, value.get()), "cannot build an argument", L"");
    ++index;
  }
}

constexpr WORD kPropertyGet = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

class ComWmiObject final : public WmiObject {
 public:
  explicit ComWmiObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  WmiValue Get(const std::wstring& name) override {
    Variant value;
    Invoke(object_.get(), name, kPropertyGet, {}, value.get());
    const VARIANT& v = *value;
    if (v.vt == VT_NULL || v.vt == VT_EMPTY) return std::monostate{};
    if (v.vt & VT_ARRAY) return ArrayToTexts(v, name);
    if (v.vt == VT_BSTR) return ToText(v, name);
    Variant number;
    Check(VariantChangeType(number.get(), const_cast<VARIANT*>(&v), 0, VT_I4), "cannot read as number: ", name);
    return static_cast<long>((*number).lVal);
  }

  std::wstring Item(const std::wstring& name, long index) override {
    Variant value;
    Invoke(object_.get(), name, kPropertyGet, {LongArg(index)}, value.get());
    const VARIANT& v = *value;
    // Some providers apply the index themselves and answer with the element; others answer with the
    // whole array and leave the indexing to the caller.
    if (v.vt & VT_ARRAY) {
      std::vector<std::wstring> elements = ArrayToTexts(v, name);
      if (index < 0 || static_cast<size_t>(index) >= elements.size()) {
        throw WmiError(DISP_E_BADINDEX, Describe("index out of range: ", name));
      }
      return elements[static_cast<size_t>(index)];
    }
    return ToText(v, name);
  }

  long CallMethod(const std::wstring& name, const std::vector<WmiArray>& arguments) override {
    std::vector<std::unique_ptr<Variant>> owners;
    std::vector<VARIANT> args;
    for (const WmiArray& elements : arguments) {
      owners.push_back(std::make_unique<Variant>());
      PutArray(elements, owners.back()->get());
      args.push_back(**owners.back());
    }
    Variant result;
    Invoke(object_.get(), name, DISPATCH_METHOD, std::move(args), result.get());
    const VARIANT& v = *result;
    if (v.vt == VT_NULL || v.vt == VT_EMPTY) throw WmiError(DISP_E_TYPEMISMATCH, Describe("no return value: ", name));
    // A uint32 comes as VT_I4; should one come unsigned, 0x8004A024 must not overflow on the way.
    if (v.vt == VT_UI4) return static_cast<long>(v.ulVal);
    Variant number;
    Check(VariantChangeType(number.get(), const_cast<VARIANT*>(&v), 0, VT_I4), "return value not a number: ", name);
    return static_cast<long>((*number).lVal);
  }

 private:
  ComPtr<IDispatch> object_;
};

class ComWmiService final : public WmiService {
 public:
  explicit ComWmiService(ComPtr<IDispatch> service) : service_(std::move(service)) {}

  WmiObjects ExecQuery(const std::wstring& query, const std::optional<WmiQueryOptions>& options) override {
    Bstr text(query);
    std::vector<VARIANT> args{TextArg(text.get())};
    std::optional<Bstr> language;
    if (options) {
      language.emplace(options->language);
      args.push_back(TextArg(language->get()));
      args.push_back(LongArg(options->flags));
    }
    Variant collection;
    Invoke(service_.get(), L"ExecQuery", DISPATCH_METHOD, std::move(args), collection.get());
    if ((*collection).vt != VT_DISPATCH || !(*collection).pdispVal) {
      throw WmiError(E_UNEXPECTED, "ExecQuery gave no collection");
    }
    return Enumerate((*collection).pdispVal);
  }

 private:
  static WmiObjects Enumerate(IDispatch* collection) {
    Variant enumerator;
    DISPPARAMS none{};
    Check(collection->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, kPropertyGet, &none, enumerator.get(),
                             nullptr, nullptr),
          "cannot enumerate", L"");
    const VARIANT& e = *enumerator;
    IUnknown* unknown = (e.vt == VT_UNKNOWN || e.vt == VT_DISPATCH) ? e.punkVal : nullptr;
    if (!unknown) throw WmiError(E_UNEXPECTED, "no enumerator");
    ComPtr<IEnumVARIANT> items;
    Check(unknown->QueryInterface(IID_IEnumVARIANT, items.put_void()), "no enumerator", L"");

    WmiObjects objects;
    for (;;) {
      Variant item;
      ULONG fetched = 0;
      const HRESULT hr = items->Next(1, item.get(), &fetched);
      Check(hr, "enumeration failed", L"");
      if (hr != S_OK || fetched == 0) break;
      if ((*item).vt != VT_DISPATCH || !(*item).pdispVal) continue;
      IDispatch* object = (*item).pdispVal;
      object->AddRef();
      objects.push_back(std::make_unique<ComWmiObject>(ComPtr<IDispatch>(object)));
    }
    return objects;
  }

  ComPtr<IDispatch> service_;
};

class ComWmi final : public Wmi {
 public:
  std::unique_ptr<WmiService> Connect(const std::wstring& moniker) override {
    ComPtr<IDispatch> service;
    Check(CoGetObject(moniker.c_str(), nullptr, IID_IDispatch, service.put_void()), "cannot bind ", moniker);
    return std::make_unique<ComWmiService>(std::move(service));
  }
  // Nothing is kept between calls: each thread's services are bound on that thread.
  std::unique_ptr<Wmi> ForThisThread() override { return std::make_unique<ComWmi>(); }
};

}  // namespace

HRESULT TakeExceptionCode(EXCEPINFO& fault, HRESULT fallback) noexcept {
  // The WMI scripting objects leave the code to a deferred fill-in: read before it, it is still 0.
  if (fault.pfnDeferredFillIn) {
    fault.pfnDeferredFillIn(&fault);
    fault.pfnDeferredFillIn = nullptr;
  }
  const HRESULT code = fault.scode ? fault.scode : static_cast<HRESULT>(fault.wCode);
  SysFreeString(fault.bstrSource);
  SysFreeString(fault.bstrDescription);
  SysFreeString(fault.bstrHelpFile);
  fault.bstrSource = fault.bstrDescription = fault.bstrHelpFile = nullptr;
  return code ? code : fallback;
}

std::unique_ptr<Wmi> MakeComWmi() { return std::make_unique<ComWmi>(); }

}  // namespace quilnet
