#include "forms/win32/win32_clipboard.h"

#include <cwchar>

namespace lumo::win32 {

namespace {

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool open() const { return open_; }

private:
    bool open_;
};

class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    const void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

std::wstring clipboardText(HWND owner) {
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) return {};
    const auto memory = static_cast<HGLOBAL>(GetClipboardData(CF_UNICODETEXT));
    const GlobalLockScope lock(memory);
    if (!lock.data()) return {};
    // Another program's data: never read past its block, terminated or not.
    const std::size_t capacity = GlobalSize(memory) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(lock.data());
    return std::wstring(text, wcsnlen(text, capacity));
}

}  // namespace lumo::win32
