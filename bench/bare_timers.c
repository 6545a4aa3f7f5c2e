/* The yardstick for the idle and start-up figures of bench/run.sh: the least
 * a Win32 tray program with a given set of running timers can cost. One hidden
 * window, timers whose ticks do nothing, and one notification-area icon; it
 * ends on WM_CLOSE, removing the icon first.
 *
 *   bare_timers.exe        the virtual mouse window's timers of the polling
 *                          design after an apply with fast follow: 1 ms
 *                          engine, 50 ms follow, 1500 ms upkeep
 *   bare_timers.exe slow   only a 1000 ms and a 1500 ms timer: slow follow
 *                          and upkeep, all an idle program needs to wake for */
#include <windows.h>
#include <shellapi.h>

#define TRAY_ICON_ID 1

static NOTIFYICONDATAW icon_data;

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_TIMER:
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

    static const UINT polling_periods[] = {1, 50, 1500, 0};
    static const UINT slow_periods[] = {1000, 1500, 0};
    const UINT *periods = lstrcmpiW(command_line, L"slow") == 0 ? slow_periods : polling_periods;
    for (UINT i = 0; periods[i]; ++i)
        SetTimer(window, i + 1, periods[i] < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : periods[i], NULL);

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
