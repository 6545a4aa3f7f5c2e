/* The yardstick for the idle and start-up figures of bench/run.sh: the least
 * a Win32 tray program with LumoMouse's running timers can cost. One hidden
 * window, the three timers of the virtual mouse window after an apply with
 * fast follow (1 ms engine, 50 ms follow, 1500 ms upkeep) whose ticks do
 * nothing, and one notification-area icon; it ends on WM_CLOSE, removing the
 * icon first.
 *
 *   bare_timers.exe          ticks that do nothing
 *   bare_timers.exe probe    the engine timer's tick makes the Win32 calls of
 *                            an idle engine tick with hotkeys on: one
 *                            GetCursorPos and six GetAsyncKeyState (the
 *                            default keys), so that the cost of those calls
 *                            alone can be told from the program's own */
#include <windows.h>
#include <shellapi.h>

#define TRAY_ICON_ID 1
#define ENGINE_TIMER_ID 1

static NOTIFYICONDATAW icon_data;
static BOOL probe_keys;

static void probe_like_the_engine(void)
{
    static const int keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_NUMPAD0, VK_DECIMAL};
    POINT pointer;
    GetCursorPos(&pointer);
    for (int i = 0; i < (int)(sizeof keys / sizeof keys[0]); ++i)
        GetAsyncKeyState(keys[i]);
}

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_TIMER:
        if (probe_keys && wparam == ENGINE_TIMER_ID)
            probe_like_the_engine();
        return 0;
    case WM_CLOSE:
        Shell_NotifyIconW(NIM_DELETE, &icon_data);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show)
{
    (void)previous;
    (void)show;
    probe_keys = lstrcmpiW(command_line, L"probe") == 0;
    WNDCLASSW window_class = {0};
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"LumoBenchBareTimers";
    if (!RegisterClassW(&window_class))
        return 1;
    HWND window = CreateWindowExW(0, window_class.lpszClassName, L"bare timers", WS_OVERLAPPEDWINDOW, 0, 0,
                                  100, 100, NULL, NULL, instance, NULL);
    if (!window)
        return 1;

    static const UINT periods[] = {1, 50, 1500};
    for (UINT i = 0; i < sizeof periods / sizeof periods[0]; ++i)
        SetTimer(window, ENGINE_TIMER_ID + i, periods[i] < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : periods[i], NULL);

    icon_data.cbSize = sizeof icon_data;
    icon_data.hWnd = window;
    icon_data.uID = TRAY_ICON_ID;
    icon_data.uFlags = NIF_ICON | NIF_TIP;
    icon_data.hIcon = LoadIconW(NULL, (LPCWSTR)IDI_APPLICATION);
    lstrcpynW(icon_data.szTip, L"bare timers", ARRAYSIZE(icon_data.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon_data);

    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
