/* Ends the session for one process the way Windows does at log-off or
 * shut-down: every top-level window of the process is asked with
 * WM_QUERYENDSESSION, and if none refuses, told WM_ENDSESSION (TRUE).
 *
 *   endsession.exe <pid>   ->  "query <hwnd> <answer>" lines, then
 *                              "ended <n> windows" or "refused by <hwnd>"
 *
 * Windows would end the process after its windows have answered
 * WM_ENDSESSION; this helper does not, so a test sees what the program does
 * by itself. A window whose process ends while being told counts as told. */
#include "console_out.h"
#include <stdlib.h>

enum { kMaxWindows = 256, kAnswerTimeoutMs = 5000 };

static DWORD target_pid;
static HWND windows[kMaxWindows];
static int window_count;

static BOOL CALLBACK collect(HWND window, LPARAM unused)
{
    (void)unused;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == target_pid && window_count < kMaxWindows)
        windows[window_count++] = window;
    return TRUE;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2 || (target_pid = wcstoul(argv[1], NULL, 0)) == 0) {
        outf(L"usage: endsession.exe <pid>\n");
        return 2;
    }
    EnumWindows(collect, 0);
    if (window_count == 0) {
        outf(L"endsession: process %lu has no windows\n", target_pid);
        return 1;
    }
    for (int i = 0; i < window_count; ++i) {
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(windows[i], WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer))
            answer = IsWindow(windows[i]) ? 0 : TRUE;
        outf(L"query %#llx %lu\n", (unsigned long long)(ULONG_PTR)windows[i], (unsigned long)answer);
        if (!answer) {
            outf(L"refused by %#llx\n", (unsigned long long)(ULONG_PTR)windows[i]);
            return 1;
        }
    }
    for (int i = 0; i < window_count; ++i) {
        DWORD_PTR ignored;
        SendMessageTimeoutW(windows[i], WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &ignored);
    }
    outf(L"ended %d windows\n", window_count);
    return 0;
}
