#include "platform/win32/win32_single_copy.h"

#include <sddl.h>

#include <string>

#include "platform/win32/win32_second_copy.h"
#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

namespace {

// The string form of the user this process runs as ("S-1-5-21-..."); empty
// when it cannot be read.
std::wstring userSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    const UniqueHandle ownedToken(token);
    alignas(TOKEN_USER) unsigned char buffer[128];
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)) return {};
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &text)) return {};
    std::wstring sid(text);
    LocalFree(text);
    return sid;
}

}  // namespace

UniqueHandle claimUserMutex(bool& taken) {
    taken = false;
    const std::wstring sid = userSid();
    if (sid.empty()) {
        traceFailure(Failure::SingleCopy, L"GetTokenInformation", L"running without the single-copy name");
        return {};
    }
    // Only this user may open it: no other account can hold the name for it.
    const std::wstring access = L"D:P(A;;GA;;;" + sid + L")";
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, FALSE};
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(access.c_str(), SDDL_REVISION_1,
                                                              &attributes.lpSecurityDescriptor, nullptr)) {
        traceFailure(Failure::SingleCopy, L"ConvertStringSecurityDescriptorToSecurityDescriptorW");
        return {};
    }
    const std::wstring name = L"Local\\LumoMouse.SingleCopy." + sid;
    UniqueHandle mutex(CreateMutexW(&attributes, FALSE, name.c_str()));
    const DWORD error = GetLastError();
    LocalFree(attributes.lpSecurityDescriptor);
    if (!mutex && error != ERROR_ACCESS_DENIED) {
        SetLastError(error);
        traceFailure(Failure::SingleCopy, L"CreateMutexW");
    }
    taken = mutex ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    return mutex;
}

bool wakeFirstCopy(bool show) {
    const HWND receiver = FindWindowW(kInputReceiverClass, nullptr);
    DWORD processId = 0;
    if (!receiver || !GetWindowThreadProcessId(receiver, &processId)) {
        traceFailure(Failure::WakeFirstCopy, L"FindWindowW",
                     L"the single-copy name is taken but no copy's window exists; starting anyway");
        return false;
    }
    // This process was just started by the user, so it may hand the
    // foreground on, to that copy only.
    if (show) AllowSetForegroundWindow(processId);
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(receiver, secondCopyMessage(), show ? 1 : 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) ||
        static_cast<LRESULT>(answer) != kFirstCopyAnswer) {
        traceFailure(Failure::WakeFirstCopy, L"SendMessageTimeoutW",
                     L"the single-copy name is taken but no copy answered within a second; starting anyway");
        return false;
    }
    return true;
}

}  // namespace lumo::win32
