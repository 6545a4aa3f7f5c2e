#include "platform/win32/win32_trace.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <string>

namespace lumo::win32 {

namespace {

std::array<std::atomic<bool>, static_cast<std::size_t>(Failure::Count)> reported{};

}  // namespace

void traceFailure(Failure kind, const wchar_t* call, const wchar_t* detail) {
    const DWORD error = GetLastError();
    if (!reported[static_cast<std::size_t>(kind)].exchange(true)) {
        // Built by hand: the printf family would add tens of kilobytes to the exe.
        const std::string number = std::to_string(error);
        std::wstring line = L"LumoMouse: ";
        line.append(call).append(L" failed (error ").append(number.begin(), number.end()).append(L")");
        if (detail) line.append(L": ").append(detail);
        line.append(L"\n");
        OutputDebugStringW(line.c_str());
    }
    SetLastError(error);
}

}  // namespace lumo::win32
