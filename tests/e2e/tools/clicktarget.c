/* A plain window that logs the mouse buttons it receives, to check injected
 * clicks (they reach Wine windows only, never plain X clients).
 *
 *   clicktarget.exe <log file> [left top width height [title]]
 *
 * Log lines: "ready <hwnd>", then "<message> <x> <y>" with client coordinates,
 * message one of WM_LBUTTONDOWN WM_LBUTTONUP WM_LBUTTONDBLCLK WM_RBUTTONDOWN
 * WM_RBUTTONUP WM_RBUTTONDBLCLK, or WM_MOUSEMOVE while a button is held (a
 * drag); keys as "WM_KEYDOWN <virtual key>" and "WM_KEYUP <virtual key>",
 * characters as "WM_CHAR <UTF-16 unit>",
 * in hexadecimal. The window class asks for double clicks, so the second press of a
 * double click is logged as WM_?BUTTONDBLCLK, as the system decides it.
 * Every line is written through at once, so a test can poll the file. */
#include "console_out.h"
#include <stdlib.h>

static HANDLE log_file = INVALID_HANDLE_VALUE;

static void log_line(const char *line)
{
    DWORD written;
    WriteFile(log_file, line, (DWORD)strlen(line), &written, NULL);
    FlushFileBuffers(log_file);
}

static const char *button_message_name(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
    case WM_RBUTTONDBLCLK: return "WM_RBUTTONDBLCLK";
    case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP: return "WM_RBUTTONUP";
    default: return NULL;
    }
}

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    const char *name = button_message_name(message);
    if (message == WM_MOUSEMOVE && (wparam & (MK_LBUTTON | MK_RBUTTON)))
        name = "WM_MOUSEMOVE";
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        char line[48];
        snprintf(line, sizeof line, "%s %#x\n", message == WM_KEYDOWN ? "WM_KEYDOWN" : "WM_KEYUP", (unsigned)wparam);
        log_line(line);
        return 0;
    }
    if (message == WM_CHAR) {
        char line[32];
        snprintf(line, sizeof line, "WM_CHAR %#x\n", (unsigned)wparam);
        log_line(line);
        return 0;
    }
    if (name) {
        char line[96];
        snprintf(line, sizeof line, "%s %d %d\n", name, (short)LOWORD(lparam), (short)HIWORD(lparam));
        log_line(line);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2 && argc != 6 && argc != 7) {
        outf(L"usage: clicktarget.exe <log file> [left top width height [title]]\n");
        return 2;
    }
    log_file = CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (log_file == INVALID_HANDLE_VALUE) {
        outf(L"clicktarget: cannot write %ls\n", argv[1]);
        return 1;
    }
    int left = 100, top = 100, width = 300, height = 200;
    if (argc >= 6) {
        left = _wtoi(argv[2]);
        top = _wtoi(argv[3]);
        width = _wtoi(argv[4]);
        height = _wtoi(argv[5]);
    }
    const wchar_t *title = argc == 7 ? argv[6] : L"e2e click target";

    WNDCLASSW window_class = {0};
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = GetModuleHandleW(NULL);
    window_class.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    window_class.lpszClassName = L"E2EClickTarget";
    RegisterClassW(&window_class);
    HWND window = CreateWindowExW(0, window_class.lpszClassName, title, WS_POPUP | WS_BORDER,
                                  left, top, width, height, NULL, NULL, window_class.hInstance, NULL);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    char line[64];
    snprintf(line, sizeof line, "ready %#llx\n", (unsigned long long)(ULONG_PTR)window);
    log_line(line);

    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CloseHandle(log_file);
    return 0;
}
