/* Tells every top-level window that the shell has restarted, as Explorer does
 * after a crash. Wine never sends this message itself. */
#include "console_out.h"

int wmain(void)
{
    UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    if (!message || !PostMessageW(HWND_BROADCAST, message, 0, 0)) {
        outf(L"taskbarcreated: broadcast failed (%lu)\n", GetLastError());
        return 1;
    }
    outf(L"TaskbarCreated %#x broadcast\n", message);
    return 0;
}
