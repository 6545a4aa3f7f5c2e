#include "platform/win32/win32_trace.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cwchar>

namespace lumo::win32 {

namespace {

std::array<std::atomic<bool>, static_cast<std::size_t>(Failure::Count)> reported{};

}  // namespace

void traceFailure(Failure kind, const wchar_t* call, const wchar_t* detail) {
    const DWORD error = GetLastError();
    if (reported[static_cast<std::size_t>(kind)].exchange(true)) {
        SetLastError(error);
        return;
    }
    wchar_t line[256];
    std::swprintf(line, std::size(line), L"LumoMouse: %ls failed (error %lu)%ls%ls\n", call,
                  static_cast<unsigned long>(error), detail ? L": " : L"", detail ? detail : L"");
    OutputDebugStringW(line);
    SetLastError(error);
}

}  // namespace lumo::win32
