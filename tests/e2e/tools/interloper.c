/* Another program getting in the way, as real ones do:
 *
 *   interloper.exe type <hex UTF-16 unit>...  ->  "typed <n>"
 *       types the characters into the window with the keyboard focus, as
 *       handwriting, voice input or a password manager's auto-type do
 *       (SendInput with KEYEVENTF_UNICODE, a down and an up per unit);
 *   interloper.exe hold <seconds>             ->  "holding"
 *       holds the names of the program's single-copy mutex, the old one and
 *       this user's, for that long, without being a copy of the program.
 *
 * Code units go in as hex so that no locale touches them on the way. */
#include "console_out.h"
#include <sddl.h>
#include <stdlib.h>

static int type_units(int count, wchar_t **units)
{
    int typed = 0;
    for (int i = 0; i < count; ++i) {
        INPUT strokes[2] = {0};
        for (int s = 0; s < 2; ++s) {
            strokes[s].type = INPUT_KEYBOARD;
            strokes[s].ki.wScan = (WORD)wcstoul(units[i], NULL, 16);
            strokes[s].ki.dwFlags = KEYEVENTF_UNICODE | (s ? KEYEVENTF_KEYUP : 0);
        }
        typed += SendInput(2, strokes, sizeof(INPUT)) == 2;
        Sleep(50);
    }
    outf(L"typed %d\n", typed);
    return typed == count ? 0 : 1;
}

static int hold_names(int seconds)
{
    wchar_t name[256] = L"Local\\LumoMouse.SingleCopy.";
    HANDLE token = NULL;
    unsigned char user[128];
    DWORD size = 0;
    wchar_t *sid = NULL;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) ||
        !GetTokenInformation(token, TokenUser, user, sizeof user, &size) ||
        !ConvertSidToStringSidW(((TOKEN_USER *)user)->User.Sid, &sid)) {
        outf(L"interloper: cannot read the user's SID\n");
        return 1;
    }
    wcsncat(name, sid, 255 - wcslen(name));
    HANDLE old_name = CreateMutexW(NULL, TRUE, L"Local\\LumoMouse.SingleCopy");
    HANDLE user_name = CreateMutexW(NULL, TRUE, name);
    if (!old_name || !user_name) {
        outf(L"interloper: cannot create the mutexes\n");
        return 1;
    }
    outf(L"holding %ls\n", name);
    Sleep(seconds * 1000);
    return 0;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc >= 3 && wcscmp(argv[1], L"type") == 0)
        return type_units(argc - 2, argv + 2);
    if (argc == 3 && wcscmp(argv[1], L"hold") == 0)
        return hold_names(_wtoi(argv[2]));
    outf(L"usage: interloper.exe type <hex unit>... | hold <seconds>\n");
    return 2;
}
