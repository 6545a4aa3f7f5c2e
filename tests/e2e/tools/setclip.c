/* Puts text on the clipboard of the Wine prefix, as a user's copy would:
 *
 *   setclip.exe <file>   ->  "clipboard <n> characters"
 *
 * The file holds UTF-8 text (it may be empty, or far longer than a command
 * line could carry); it goes onto the clipboard as CF_UNICODETEXT, owned by a
 * window of this helper. The data stays on the clipboard after it exits. */
#include "console_out.h"
#include <stdlib.h>

static char *read_file(const wchar_t *path, DWORD *size)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return NULL;
    *size = GetFileSize(file, NULL);
    char *bytes = malloc(*size + 1);
    DWORD read = 0;
    if (bytes && (*size == 0 || ReadFile(file, bytes, *size, &read, NULL)) && read == *size) {
        CloseHandle(file);
        return bytes;
    }
    free(bytes);
    CloseHandle(file);
    return NULL;
}

/* The text as a movable global block, NUL-terminated, as the clipboard wants. */
static HGLOBAL unicode_block(const char *bytes, DWORD size, int *characters)
{
    int length = size ? MultiByteToWideChar(CP_UTF8, 0, bytes, (int)size, NULL, 0) : 0;
    if (size && length == 0)
        return NULL;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)(length + 1) * sizeof(wchar_t));
    wchar_t *text = block ? GlobalLock(block) : NULL;
    if (!text)
        return NULL;
    if (length)
        MultiByteToWideChar(CP_UTF8, 0, bytes, (int)size, text, length);
    text[length] = L'\0';
    GlobalUnlock(block);
    *characters = length;
    return block;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        outf(L"usage: setclip.exe <utf-8 text file>\n");
        return 2;
    }
    DWORD size = 0;
    char *bytes = read_file(argv[1], &size);
    if (!bytes) {
        outf(L"setclip: cannot read %ls\n", argv[1]);
        return 1;
    }
    int characters = 0;
    HGLOBAL block = unicode_block(bytes, size, &characters);
    free(bytes);
    if (!block) {
        outf(L"setclip: %ls is not UTF-8 text\n", argv[1]);
        return 1;
    }
    /* EmptyClipboard gives the clipboard to the opening window; with no window
     * SetClipboardData would fail. */
    HWND owner = CreateWindowExW(0, L"STATIC", L"setclip", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    BOOL ok = owner && OpenClipboard(owner);
    if (ok) {
        ok = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block) != NULL;
        CloseClipboard();
    }
    if (!ok) {
        outf(L"setclip: cannot set the clipboard (%lu)\n", GetLastError());
        return 1;
    }
    outf(L"clipboard %d characters\n", characters);
    return 0;
}
