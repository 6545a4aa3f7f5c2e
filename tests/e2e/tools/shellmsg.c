/* Sends what the shell sends, for what Wine's shell never sends itself:
 *
 *   shellmsg.exe taskbarcreated              tells every top-level window that
 *                                            the shell restarted (as Explorer
 *                                            does after a crash)
 *   shellmsg.exe tray <hwnd> <event> <x> <y> posts the notification-icon
 *                                            callback (WM_APP + 1) of the
 *                                            current icon version: <event>
 *                                            (NIN_KEYSELECT 0x401,
 *                                            WM_CONTEXTMENU 0x7b ...) with the
 *                                            anchor point <x>,<y> */
#include "console_out.h"
#include <stdlib.h>
#include <wchar.h>

int wmain(int argc, wchar_t **argv)
{
    BOOL sent;
    if (argc == 2 && wcscmp(argv[1], L"taskbarcreated") == 0) {
        UINT message = RegisterWindowMessageW(L"TaskbarCreated");
        sent = message && PostMessageW(HWND_BROADCAST, message, 0, 0);
    } else if (argc == 6 && wcscmp(argv[1], L"tray") == 0) {
        HWND window = (HWND)(ULONG_PTR)wcstoull(argv[2], NULL, 0);
        WPARAM anchor = MAKEWPARAM(wcstol(argv[4], NULL, 0), wcstol(argv[5], NULL, 0));
        sent = PostMessageW(window, WM_APP + 1, anchor, MAKELPARAM(wcstoul(argv[3], NULL, 0), 0));
    } else {
        outf(L"usage: shellmsg.exe taskbarcreated | shellmsg.exe tray <hwnd> <event> <x> <y>\n");
        return 2;
    }
    if (!sent)
        outf(L"shellmsg: posting failed (%lu)\n", GetLastError());
    return sent ? 0 : 1;
}
