/* Prints the whole text of a window of any process (winlist cuts titles
 * short), so that a test can check a text box holding a huge text:
 *
 *   wintext.exe <hwnd>   ->  "<length>\n<text>\n"   (length in UTF-16 units)
 *
 * Text boxes answer WM_GETTEXT across processes. */
#include "console_out.h"
#include <stdlib.h>
#include <wchar.h>

enum { kAnswerTimeoutMs = 5000 };

int wmain(int argc, wchar_t **argv)
{
    HWND window = argc == 2 ? (HWND)(ULONG_PTR)wcstoull(argv[1], NULL, 0) : NULL;
    if (!window || !IsWindow(window)) {
        outf(L"usage: wintext.exe <hwnd of an existing window>\n");
        return 2;
    }
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length)) {
        outf(L"wintext: no answer from %ls\n", argv[1]);
        return 1;
    }
    wchar_t *text = calloc(length + 1, sizeof(wchar_t));
    DWORD_PTR copied = 0;
    if (!text || !SendMessageTimeoutW(window, WM_GETTEXT, length + 1, (LPARAM)text, SMTO_ABORTIFHUNG,
                                      kAnswerTimeoutMs, &copied)) {
        outf(L"wintext: cannot read the text of %ls\n", argv[1]);
        return 1;
    }
    outf(L"%lu\n", (unsigned long)copied);
    /* Long texts do not fit outf's buffer: convert and write in one piece. */
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, (int)copied, NULL, 0, NULL, NULL);
    char *utf8 = malloc((size_t)bytes + 1);
    if (utf8 && bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text, (int)copied, utf8, bytes, NULL, NULL);
        DWORD written;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8, (DWORD)bytes, &written, NULL);
    }
    outf(L"\n");
    free(utf8);
    free(text);
    return 0;
}
