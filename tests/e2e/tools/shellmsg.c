/* Sends what the shell sends, for what Wine's shell never sends itself:
 *
 *   shellmsg.exe taskbarcreated
 *       tells every top-level window that the shell has restarted, as
 *       Explorer does after a crash;
 *   shellmsg.exe tray <hwnd> <event> <x> <y>
 *       posts the program's notification-icon callback (WM_APP + 1) of the
 *       current icon version to <hwnd>: <event> (NIN_KEYSELECT 0x401,
 *       WM_CONTEXTMENU 0x7b, ...) with the anchor point <x>,<y>. */
#include "console_out.h"
#include <stdlib.h>
#include <wchar.h>

static int usage(void)
{
    outf(L"usage: shellmsg.exe taskbarcreated | shellmsg.exe tray <hwnd> <event> <x> <y>\n");
    return 2;
}

static int taskbar_created(void)
{
    UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    if (!message || !PostMessageW(HWND_BROADCAST, message, 0, 0)) {
        outf(L"shellmsg: broadcast failed (%lu)\n", GetLastError());
        return 1;
    }
    outf(L"TaskbarCreated %#x broadcast\n", message);
    return 0;
}

static int tray(wchar_t **argv)
{
    HWND window = (HWND)(ULONG_PTR)wcstoull(argv[0], NULL, 0);
    UINT event = (UINT)wcstoul(argv[1], NULL, 0);
    int x = (int)wcstol(argv[2], NULL, 0), y = (int)wcstol(argv[3], NULL, 0);
    if (!IsWindow(window))
        return usage();
    if (!PostMessageW(window, WM_APP + 1, MAKEWPARAM(x, y), MAKELPARAM(event, 0))) {
        outf(L"shellmsg: post failed (%lu)\n", GetLastError());
        return 1;
    }
    outf(L"tray %#x at %d,%d posted\n", event, x, y);
    return 0;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc == 2 && wcscmp(argv[1], L"taskbarcreated") == 0)
        return taskbar_created();
    if (argc == 6 && wcscmp(argv[1], L"tray") == 0)
        return tray(argv + 2);
    return usage();
}
