// Owners of what Windows hands out: each releases its object exactly once, when it goes out
// of scope, and none can be copied (moving hands the object on).
#pragma once
#include <windows.h>

#include <utility>

// A handle with its kind's "none" value and its way of being released.
template <typename Kind>
class UniqueOwner {
public:
    using Handle = decltype(Kind::Empty());

    UniqueOwner() = default;
    explicit UniqueOwner(Handle handle) : handle_(handle) {}
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(std::exchange(other.handle_, Kind::Empty())) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Kind::Empty()));
        return *this;
    }
    ~UniqueOwner() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Kind::Empty(); }
    void reset(Handle handle = Kind::Empty()) {
        if (handle_ != Kind::Empty()) Kind::Release(handle_);
        handle_ = handle;
    }
    Handle* out() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Kind::Empty();
};

// Kernel objects: processes, threads, mutexes.
struct KernelObjectKind {
    static HANDLE Empty() { return nullptr; }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};
using UniqueHandle = UniqueOwner<KernelObjectKind>;

// Files from CreateFileW, whose "none" is INVALID_HANDLE_VALUE.
struct FileKind {
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static void Release(HANDLE file) { CloseHandle(file); }
};
using UniqueFile = UniqueOwner<FileKind>;

struct IconHandleKind {
    static HICON Empty() { return nullptr; }
    static void Release(HICON icon) { DestroyIcon(icon); }
};
using UniqueIcon = UniqueOwner<IconHandleKind>;

// Fonts, bitmaps, brushes and pens.
struct GdiObjectKind {
    static HGDIOBJ Empty() { return nullptr; }
    static void Release(HGDIOBJ object) { DeleteObject(object); }
};
using UniqueGdiObject = UniqueOwner<GdiObjectKind>;

struct MemoryDcKind {
    static HDC Empty() { return nullptr; }
    static void Release(HDC dc) { DeleteDC(dc); }
};
using UniqueMemoryDc = UniqueOwner<MemoryDcKind>;

// Texts the shell allocates with CoTaskMemAlloc (SHGetKnownFolderPath).
struct CoTaskTextKind {
    static wchar_t* Empty() { return nullptr; }
    static void Release(wchar_t* text) { CoTaskMemFree(text); }
};
using CoTaskText = UniqueOwner<CoTaskTextKind>;

struct BstrKind {
    static BSTR Empty() { return nullptr; }
    static void Release(BSTR text) { SysFreeString(text); }
};
using UniqueBstr = UniqueOwner<BstrKind>;

// A VARIANT that WMI or a property store filled, cleared when it goes out of scope.
class VariantValue {
public:
    VariantValue() { VariantInit(&value_); }
    VariantValue(const VariantValue&) = delete;
    VariantValue& operator=(const VariantValue&) = delete;
    ~VariantValue() { VariantClear(&value_); }
    VARIANT* get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

private:
    VARIANT value_;
};

// One COM reference.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~ComRef() {
        if (object_ != nullptr) object_->Release();
    }
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void reset() {
        if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
    }
    T** out() {
        reset();
        return &object_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }

private:
    T* object_ = nullptr;
};
