/* UTF-8 output for the console helpers. WriteFile with bytes we encode
 * ourselves: the C runtime would squeeze Chinese through the ANSI code page. */
#pragma once
#include <windows.h>
#include <stdarg.h>
#include <stdio.h>

static void out_utf8(const wchar_t* text) {
    char buffer[4096];
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, (int)sizeof buffer, NULL, NULL);
    if (length <= 1) return;
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), buffer, (DWORD)(length - 1), &written, NULL);
}

static void outf(const wchar_t* format, ...) {
    wchar_t line[2048];
    va_list args;
    va_start(args, format);
    _vsnwprintf(line, sizeof line / sizeof line[0] - 1, format, args);
    va_end(args);
    line[sizeof line / sizeof line[0] - 1] = L'\0';
    out_utf8(line);
}
