#include <windows.h>
#include <wbemidl.h>

#include <atomic>

#include "platform/com_object_win32.h"
#include "platform/main_window_handle_win32.h"
#include "platform/owners_win32.h"
#include "platform/wmi.h"
#include "res/resource.h"

namespace {

// Allocated once for the life of the process.
struct WmiStrings {
    UniqueBstr wmiNamespace{SysAllocString(L"ROOT\\WMI")};
    UniqueBstr wql{SysAllocString(L"WQL")};
    UniqueBstr monitorIds{SysAllocString(L"SELECT * FROM WmiMonitorID")};
    UniqueBstr brightness{SysAllocString(L"SELECT * FROM WmiMonitorBrightness")};
    UniqueBstr brightnessMethods{SysAllocString(L"SELECT * FROM WmiMonitorBrightnessMethods")};
    UniqueBstr descriptorMethods{SysAllocString(L"SELECT * FROM WmiMonitorDescriptorMethods")};
    UniqueBstr brightnessEvents{SysAllocString(L"SELECT * FROM WmiMonitorBrightnessEvent")};
    UniqueBstr brightnessClass{SysAllocString(L"WmiMonitorBrightnessMethods")};
    UniqueBstr descriptorClass{SysAllocString(L"WmiMonitorDescriptorMethods")};
    UniqueBstr setBrightness{SysAllocString(L"WmiSetBrightness")};
    UniqueBstr readEdid{SysAllocString(L"WmiGetMonitorRawEEdidV1Block")};
};

const WmiStrings& Strings() {
    static const WmiStrings strings;
    return strings;
}

bool Connect(ComRef<IWbemServices>& services) {
    ComRef<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, locator.outVoid())))
        return false;
    if (FAILED(locator->ConnectServer(Strings().wmiNamespace.get(), nullptr, nullptr, nullptr,
                                      WBEM_FLAG_CONNECT_USE_MAX_WAIT, nullptr, nullptr, services.out())))
        return false;
    return SUCCEEDED(CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                       RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE));
}

// Every instance the query yields, each waited for at most kWmiWaitMs.
template <typename Visit>
bool ForEachInstance(IWbemServices* services, BSTR query, Visit visit) {
    ComRef<IEnumWbemClassObject> rows;
    if (FAILED(services->ExecQuery(Strings().wql.get(), query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                   nullptr, rows.out())))
        return false;
    for (;;) {
        ComRef<IWbemClassObject> row;
        ULONG count = 0;
        const HRESULT result = rows->Next(static_cast<LONG>(kWmiWaitMs), 1, row.out(), &count);
        if (count == 0) return result == WBEM_S_FALSE;
        visit(row.get());
    }
}

template <typename Visit>
bool Query(BSTR query, Visit visit) {
    ComRef<IWbemServices> services;
    return Connect(services) && ForEachInstance(services.get(), query, visit);
}

std::wstring TextOf(IWbemClassObject* row, const wchar_t* name) {
    VariantValue value;
    if (FAILED(row->Get(name, 0, value.get(), nullptr, nullptr)) || (*value).vt != VT_BSTR || (*value).bstrVal == nullptr)
        return {};
    return (*value).bstrVal;
}

bool ByteOf(IWbemClassObject* row, const wchar_t* name, std::uint8_t& byte) {
    VariantValue value;
    if (FAILED(row->Get(name, 0, value.get(), nullptr, nullptr)) || (*value).vt != VT_UI1) return false;
    byte = (*value).bVal;
    return true;
}

std::uint32_t NumberOf(IWbemClassObject* row, const wchar_t* name) {
    VariantValue value;
    if (FAILED(row->Get(name, 0, value.get(), nullptr, nullptr))) return 0;
    switch ((*value).vt) {
        case VT_UI1: return (*value).bVal;
        case VT_I4: return static_cast<std::uint32_t>((*value).lVal);
        default: return 0;
    }
}

// The elements of a one-dimensional array of elementType; empty for anything else.
template <typename Element>
std::vector<Element> ArrayOf(const VARIANT& value, VARTYPE elementType) {
    std::vector<Element> elements;
    if (value.vt != (VT_ARRAY | elementType) || value.parray == nullptr || SafeArrayGetDim(value.parray) != 1)
        return elements;
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(value.parray, 1, &lower);
    SafeArrayGetUBound(value.parray, 1, &upper);
    void* data = nullptr;
    if (upper < lower || FAILED(SafeArrayAccessData(value.parray, &data))) return elements;
    const auto* first = static_cast<const Element*>(data);
    elements.assign(first, first + (upper - lower + 1));
    SafeArrayUnaccessData(value.parray);
    return elements;
}

template <typename Element>
std::vector<Element> ArrayOf(IWbemClassObject* row, const wchar_t* name, VARTYPE elementType) {
    VariantValue value;
    if (FAILED(row->Get(name, 0, value.get(), nullptr, nullptr))) return {};
    return ArrayOf<Element>(*value, elementType);
}

bool MethodTargets(BSTR query, std::vector<WmiMethodTarget>& targets) {
    return Query(query, [&](IWbemClassObject* row) {
        targets.push_back({TextOf(row, L"InstanceName"), TextOf(row, L"__PATH")});
    });
}

bool PutText(IWbemClassObject* parameters, const wchar_t* name, const wchar_t* text) {
    VariantValue value;
    (*value.get()).vt = VT_BSTR;
    (*value.get()).bstrVal = SysAllocString(text);
    return (*value).bstrVal != nullptr && SUCCEEDED(parameters->Put(name, 0, value.get(), 0));
}

// Runs a method of className on the instance at path; setParameters fills its input. The
// answer is waited for at most kWmiWaitMs.
template <typename SetParameters>
bool RunMethod(BSTR className, BSTR method, const std::wstring& path, SetParameters setParameters,
               ComRef<IWbemClassObject>& output) {
    ComRef<IWbemServices> services;
    ComRef<IWbemClassObject> classObject, definition, input;
    ComRef<IWbemCallResult> call;
    UniqueBstr instance{SysAllocString(path.c_str())};
    if (!Connect(services) || !instance) return false;
    if (FAILED(services->GetObject(className, 0, nullptr, classObject.out(), nullptr)) ||
        FAILED(classObject->GetMethod(method, 0, definition.out(), nullptr)) || !definition ||
        FAILED(definition->SpawnInstance(0, input.out())) || !setParameters(input.get()))
        return false;
    if (FAILED(services->ExecMethod(instance.get(), method, WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, input.get(), nullptr,
                                    call.out())))
        return false;
    LONG status = WBEM_E_FAILED;
    if (call->GetCallStatus(static_cast<LONG>(kWmiWaitMs), &status) != WBEM_S_NO_ERROR || FAILED(status)) return false;
    // A method without output parameters has no result object.
    if (FAILED(call->GetResultObject(0, output.out()))) output.reset();
    return true;
}

std::atomic<HWND> g_eventWindow{nullptr};

// Receives the brightness events on a WMI thread and only posts them on.
class EventSink final : public ComObject<IWbemObjectSink> {
public:
    HRESULT STDMETHODCALLTYPE Indicate(LONG count, IWbemClassObject** objects) override {
        for (LONG i = 0; objects != nullptr && i < count; ++i) {
            std::uint8_t level = 0;
            const HWND window = g_eventWindow.load();
            if (objects[i] != nullptr && window != nullptr && ByteOf(objects[i], L"Brightness", level))
                PostMessageW(window, WM_COMMAND, kCommandPanelBrightnessEvent, level);
        }
        return WBEM_S_NO_ERROR;
    }
    HRESULT STDMETHODCALLTYPE SetStatus(LONG, HRESULT, BSTR, IWbemClassObject*) override { return WBEM_S_NO_ERROR; }

private:
    const IID& Iid() const override { return IID_IWbemObjectSink; }
};

ComRef<IWbemServices> g_eventServices;
ComRef<IWbemObjectSink> g_eventStub;

// Through an unsecured apartment's stub, so that WMI can call back without authenticating to us.
bool SubscribeBrightnessEvents() {
    ComRef<IUnsecuredApartment> apartment;
    ComRef<IUnknown> stub;
    if (!Connect(g_eventServices) ||
        FAILED(CoCreateInstance(CLSID_UnsecuredApartment, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnsecuredApartment,
                                apartment.outVoid())))
        return false;
    auto* sink = new EventSink;
    const HRESULT created = apartment->CreateObjectStub(sink, stub.out());
    sink->Release();
    if (FAILED(created) || FAILED(stub->QueryInterface(IID_IWbemObjectSink, g_eventStub.outVoid()))) return false;
    g_eventWindow = MainWindowHandle();
    return SUCCEEDED(g_eventServices->ExecNotificationQueryAsync(Strings().wql.get(), Strings().brightnessEvents.get(),
                                                                 WBEM_FLAG_SEND_STATUS, nullptr, g_eventStub.get()));
}

}  // namespace

void WmiPrepareStrings() { Strings(); }

bool WmiQueryMonitorIds(std::vector<WmiMonitorIdRecord>& records) {
    return Query(Strings().monitorIds.get(), [&](IWbemClassObject* row) {
        WmiMonitorIdRecord record;
        record.instanceName = TextOf(row, L"InstanceName");
        for (const LONG element : ArrayOf<LONG>(row, L"SerialNumberID", VT_I4))
            record.serialNumberId.push_back(static_cast<std::uint32_t>(element));
        record.yearOfManufacture = NumberOf(row, L"YearOfManufacture");
        record.weekOfManufacture = NumberOf(row, L"WeekOfManufacture");
        records.push_back(std::move(record));
    });
}

bool WmiQueryDescriptorMethods(std::vector<WmiMethodTarget>& targets) {
    return MethodTargets(Strings().descriptorMethods.get(), targets);
}

bool WmiReadEdidBlock(const std::wstring& path, std::vector<std::uint8_t>& content) {
    ComRef<IWbemClassObject> output;
    const auto blockZero = [](IWbemClassObject* input) { return PutText(input, L"BlockId", L"0"); };
    if (!RunMethod(Strings().descriptorClass.get(), Strings().readEdid.get(), path, blockZero, output) || !output)
        return false;
    content = ArrayOf<std::uint8_t>(output.get(), L"BlockContent", VT_UI1);
    return !content.empty();
}

bool WmiQueryBrightness(std::vector<WmiBrightnessRecord>& records) {
    return Query(Strings().brightness.get(), [&](IWbemClassObject* row) {
        WmiBrightnessRecord record;
        record.instanceName = TextOf(row, L"InstanceName");
        record.hasCurrent = ByteOf(row, L"CurrentBrightness", record.current);
        record.levels = ArrayOf<std::uint8_t>(row, L"Level", VT_UI1);
        records.push_back(std::move(record));
    });
}

bool WmiQueryBrightnessMethods(std::vector<WmiMethodTarget>& targets) {
    return MethodTargets(Strings().brightnessMethods.get(), targets);
}

bool WmiSetBrightness(const std::wstring& path, std::uint8_t level) {
    ComRef<IWbemClassObject> output;
    const std::wstring text = std::to_wstring(level);
    const auto parameters = [&text](IWbemClassObject* input) {
        return PutText(input, L"Timeout", L"0") && PutText(input, L"Brightness", text.c_str());
    };
    return RunMethod(Strings().brightnessClass.get(), Strings().setBrightness.get(), path, parameters, output);
}

bool WmiSubscribeBrightnessEvents() {
    if (SubscribeBrightnessEvents()) return true;
    WmiUnsubscribeBrightnessEvents();
    return false;
}

void WmiUnsubscribeBrightnessEvents() {
    g_eventWindow = nullptr;
    if (g_eventServices && g_eventStub) g_eventServices->CancelAsyncCall(g_eventStub.get());
    g_eventStub.reset();
    g_eventServices.reset();
}
