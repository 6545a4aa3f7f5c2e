/* Prints the width in pixels of a text in the program's default font, 宋体
 * (GB2312) at the given pixel height, as GDI lays it out, so that a test can
 * compare it with the width of text the program drew:
 *
 *   textwidth.exe <pixel height> <text>   ->  "<width>\n" */
#include "console_out.h"
#include <stdlib.h>
#include <wchar.h>

int wmain(int argc, wchar_t **argv)
{
    int height = argc == 3 ? _wtoi(argv[1]) : 0;
    if (height <= 0) {
        outf(L"usage: textwidth.exe <pixel height> <text>\n");
        return 2;
    }
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    HDC dc = CreateCompatibleDC(NULL);
    SIZE size = {0, 0};
    if (!font || !dc || !SelectObject(dc, font) ||
        !GetTextExtentPoint32W(dc, argv[2], (int)wcslen(argv[2]), &size)) {
        outf(L"textwidth: cannot measure the text\n");
        return 1;
    }
    outf(L"%ld\n", (long)size.cx);
    DeleteDC(dc);
    DeleteObject(font);
    return 0;
}
