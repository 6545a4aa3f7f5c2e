#include "platform/win32/win32_platform.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string_view>

#include "assets/resource_ids.h"
#include "platform/utf.h"
#include "platform/system_codes.h"
#include "platform/win32/win32_single_copy.h"
#include "platform/win32/win32_trace.h"

namespace lumo::win32 {
namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The kept store, per Windows user.
constexpr wchar_t kKeptKey[] = L"Software\\LumoMouse";

std::wstring toWide(std::string_view utf8) {
    const std::u16string units = utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

// Copies as much of `text` as fits into a fixed, NUL-terminated field without
// splitting a surrogate pair, so a long tip never ends in half a character.
template <std::size_t N>
void copyTruncated(wchar_t (&field)[N], const std::wstring& text) {
    std::size_t count = text.size() < N - 1 ? text.size() : N - 1;
    if (count < text.size() && count > 0 && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF) {
        --count;
    }
    text.copy(field, count);
    field[count] = L'\0';
}

DWORD toNotifyMessage(TrayAction action) {
    switch (action) {
        case TrayAction::Add: return NIM_ADD;
        case TrayAction::Modify: return NIM_MODIFY;
        case TrayAction::Delete: return NIM_DELETE;
        case TrayAction::UseCurrentVersion: return NIM_SETVERSION;
        case TrayAction::Focus: return NIM_SETFOCUS;
    }
    return NIM_MODIFY;
}

int toShowCommand(ShowState show) {
    switch (show) {
        case ShowState::Minimized: return SW_SHOWMINIMIZED;
    }
    return SW_SHOWNORMAL;
}

}  // namespace

bool Win32Platform::isKeyDown(KeyCode key) { return isDownInKeyState(GetAsyncKeyState(key.code())); }

Point Win32Platform::cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Platform::setCursorPos(std::int32_t x, std::int32_t y) { SetCursorPos(x, y); }

// Every injected event carries the program's mark, so that its own input
// reports leave it out.
void Win32Platform::click(MouseButton button) {
    const DWORD flags = button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP
                                                    : MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;
    mouse_event(flags, 0, 0, 0, kInjectedMark);
}

void Win32Platform::pressButton(MouseButton button) {
    mouse_event(button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, kInjectedMark);
}

void Win32Platform::releaseButton(MouseButton button) {
    mouse_event(button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP, 0, 0, 0, kInjectedMark);
}

bool Win32Platform::watchInput(InputListener* listener) {
    if (!listener) {
        inputWatch_.stop();
        return false;
    }
    return inputWatch_.start(*listener);
}

void Win32Platform::publishKeyTable(const KeyTable& table) { inputWatch_.publishKeyTable(table); }

void Win32Platform::reportPointerMoves(bool on) { inputWatch_.reportPointerMoves(on); }

void Win32Platform::checkInputWatch() { inputWatch_.checkHooks(); }

bool Win32Platform::buttonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

// The z-order alone: SWP_NOACTIVATE unless the window is to be activated.
void Win32Platform::setTopmost(WindowHandle window, bool topmost, bool activate) {
    const UINT flags = SWP_NOSIZE | SWP_NOMOVE | (activate ? 0 : SWP_NOACTIVATE);
    SetWindowPos(toHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

// A layered window with a colour key: the system neither draws nor hit-tests
// the key's pixels.
void Win32Platform::makeColorKeyed(WindowHandle window, std::uint32_t colorKey) {
    const HWND hwnd = toHwnd(window);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd, colorKey, 0, LWA_COLORKEY);
}

// The system's own move loop, entered as for a press on a caption
// (WM_NCLBUTTONDOWN with HTCAPTION); the capture would keep it from starting.
void Win32Platform::startWindowDrag(WindowHandle window) {
    ReleaseCapture();
    SendMessageW(toHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

WindowHandle Win32Platform::foregroundWindow() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

// SW_SHOWNORMAL rather than SW_HIDE: a browser that is started by this call
// may take the show command for its first window and would stay invisible.
void Win32Platform::shellOpen(WindowHandle owner, const std::string& address) {
    const std::wstring wideAddress = toWide(address);
    ShellExecuteW(toHwnd(owner), L"open", wideAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Platform::startProgram(const std::string& commandLine, ShowState show) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring writable = toWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(toShowCommand(show));
    PROCESS_INFORMATION started{};
    if (CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

bool Win32Platform::notifyIcon(TrayAction action, const TrayIconData& data) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = toHwnd(data.owner);
    // The shell keeps the id as a 32-bit value; it matches on exactly that.
    record.uID = static_cast<UINT>(data.id);
    // The current version shows the standard tip only when asked to.
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    record.uVersion = NOTIFYICON_VERSION_4;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data.icon);
    copyTruncated(record.szTip, toWide(data.tip));
    if (Shell_NotifyIconW(toNotifyMessage(action), &record)) return true;
    // Adding an icon the shell has already fails as well: the tray then modifies it.
    traceFailure(Failure::TrayIcon, L"Shell_NotifyIconW");
    return false;
}

// The bundled icons, loaded shared at the small (tray) size: the system owns
// them, so every call hands out the same handle and nothing is freed.
IconHandle Win32Platform::iconHandle(Asset icon) {
    if (icon != Asset::AppIcon && icon != Asset::AppIconOn) return 0;
    const int id = icon == Asset::AppIcon ? IDI_APP : IDI_APP_ON;
    const HANDLE image = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    return reinterpret_cast<IconHandle>(image);
}

// RegGetValueW and RegSetKeyValueW open and close the key themselves, so no
// key handle is ever held. The value is read into a small buffer whatever its
// type, and the portable reader decides what is usable: the program keeps
// 32-bit numbers, so a value too big for the buffer (ERROR_MORE_DATA) is
// unreadable and gives the default, however big it is.
std::optional<KeptValue> Win32Platform::keptValue(const std::string& name) {
    std::uint8_t buffer[16];
    DWORD type = 0, size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, kKeptKey, toWide(name).c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, buffer,
                     &size) != ERROR_SUCCESS ||
        size > sizeof buffer) {
        return std::nullopt;
    }
    return KeptValue{type == REG_DWORD, {buffer, buffer + size}};
}

void Win32Platform::keepNumber(const std::string& name, std::uint32_t value) {
    const DWORD number = value;
    const LSTATUS status =
        RegSetKeyValueW(HKEY_CURRENT_USER, kKeptKey, toWide(name).c_str(), REG_DWORD, &number, sizeof number);
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
        traceFailure(Failure::KeptSettingsWrite, L"RegSetKeyValueW");
    }
}

ScreenRect Win32Platform::workAreaAt(Point p) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) {
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

std::int64_t Win32Platform::monotonicMs() {
    // The performance counter, not the tick count: that one advances in steps
    // of the 15.6 ms system clock, as coarse as the timer it measures.
    if (counterFrequency_ == 0) {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        counterFrequency_ = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
    }
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    return count.QuadPart / counterFrequency_ * 1000 + count.QuadPart % counterFrequency_ * 1000 / counterFrequency_;
}

ScreenMetrics Win32Platform::screen() {
    // A system-DPI-aware process keeps one DPI for its whole life: read it
    // once (fast follow asks for the metrics twenty times a second).
    if (dpiX_ == 0) {
        dpiX_ = dpiY_ = 96;
        if (const HDC screenDc = GetDC(nullptr)) {
            if (const int x = GetDeviceCaps(screenDc, LOGPIXELSX); x > 0) dpiX_ = x;
            if (const int y = GetDeviceCaps(screenDc, LOGPIXELSY); y > 0) dpiY_ = y;
            ReleaseDC(nullptr, screenDc);
        }
    }
    return screenMetricsAt(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), dpiX_, dpiY_);
}

double Win32Platform::random() { return unitInterval_(generator_); }

bool Win32Platform::claimSingleCopy() {
    bool taken = false;
    singleCopyMutex_ = claimUserMutex(taken);
    return !taken;
}

bool Win32Platform::wakeFirstCopy(bool show) { return win32::wakeFirstCopy(show); }

void Win32Platform::exitProcess() { ExitProcess(0); }

}  // namespace lumo::win32
