// Owners of what Windows hands out: each releases its object exactly once, when it goes out
// of scope, and none can be copied (moving hands the object on).
#pragma once
#include <windows.h>

#include <utility>

// A handle closed with `close`; `empty` is the value the API uses for "none".
template <typename Handle, auto close, Handle empty>
class UniqueOwner {
public:
    UniqueOwner() = default;
    explicit UniqueOwner(Handle handle) : handle_(handle) {}
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(std::exchange(other.handle_, empty)) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, empty));
        return *this;
    }
    ~UniqueOwner() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != empty; }
    void reset(Handle handle = empty) {
        if (handle_ != empty) close(handle_);
        handle_ = handle;
    }
    Handle* out() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = empty;
};

// Kernel objects: processes, threads, mutexes (null when none).
using UniqueHandle = UniqueOwner<HANDLE, CloseHandle, nullptr>;
inline void CloseFileHandle(HANDLE file) { CloseHandle(file); }
// Files from CreateFileW, whose "none" is INVALID_HANDLE_VALUE.
using UniqueFile = UniqueOwner<HANDLE, CloseFileHandle, INVALID_HANDLE_VALUE>;
using UniqueIcon = UniqueOwner<HICON, DestroyIcon, nullptr>;
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
// Fonts, bitmaps, brushes and pens.
using UniqueGdiObject = UniqueOwner<HGDIOBJ, DeleteGdiObject, nullptr>;
inline void ReleaseScreenDc(HDC dc) { ReleaseDC(nullptr, dc); }
using UniqueScreenDc = UniqueOwner<HDC, ReleaseScreenDc, nullptr>;
inline void DeleteMemoryDc(HDC dc) { DeleteDC(dc); }
using UniqueMemoryDc = UniqueOwner<HDC, DeleteMemoryDc, nullptr>;
inline void FreeCoTaskMemory(wchar_t* text) { CoTaskMemFree(text); }
// Texts the shell allocates with CoTaskMemAlloc (SHGetKnownFolderPath).
using CoTaskText = UniqueOwner<wchar_t*, FreeCoTaskMemory, nullptr>;

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
    T** out() { return &object_; }
    void** outVoid() { return reinterpret_cast<void**>(&object_); }

private:
    T* object_ = nullptr;
};
