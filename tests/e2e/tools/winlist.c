/* Lists every top-level window of the Wine desktop and all their descendants,
 * one tab-separated line each (a leading '#' line names the columns):
 *
 *   level hwnd parent owner pid class title left top width height
 *   client_width client_height visible iconic exstyle topmost
 *
 * level is "top" or "child"; rectangles are screen pixels; visible is
 * IsWindowVisible (the window and all its ancestors); exstyle is hex; focus
 * is 1 for the window that has the keyboard focus of its thread.
 * Titles go through WM_GETTEXT, which crosses processes, so the text of a
 * tooltip belonging to the shell is readable too. */
#include "console_out.h"

static void sanitize(wchar_t *text)
{
    for (; *text; ++text)
        if (*text == L'\t' || *text == L'\r' || *text == L'\n')
            *text = L' ';
}

static void window_text(HWND window, wchar_t *text, int capacity)
{
    DWORD_PTR copied = 0;
    text[0] = L'\0';
    if (!SendMessageTimeoutW(window, WM_GETTEXT, (WPARAM)capacity, (LPARAM)text,
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, 500, &copied))
        InternalGetWindowText(window, text, capacity);
    text[capacity - 1] = L'\0';
    sanitize(text);
}

static void print_window(HWND window, const wchar_t *level)
{
    wchar_t class_name[256] = L"";
    wchar_t title[512];
    GetClassNameW(window, class_name, 256);
    sanitize(class_name);
    window_text(window, title, 512);

    RECT rect = {0}, client = {0};
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    LONG exstyle = GetWindowLongW(window, GWL_EXSTYLE);
    GUITHREADINFO thread = {.cbSize = sizeof thread};
    BOOL focused = GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &thread) && thread.hwndFocus == window;

    outf(L"%ls\t%#llx\t%#llx\t%#llx\t%lu\t%ls\t%ls\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%d\t%d\t%#lx\t%d\t%d\n",
         level, (unsigned long long)(ULONG_PTR)window,
         (unsigned long long)(ULONG_PTR)GetAncestor(window, GA_PARENT),
         (unsigned long long)(ULONG_PTR)GetWindow(window, GW_OWNER), pid, class_name, title,
         rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
         client.right, client.bottom, IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
         (unsigned long)exstyle, (exstyle & WS_EX_TOPMOST) ? 1 : 0, focused ? 1 : 0);
}

static BOOL CALLBACK on_child(HWND window, LPARAM unused)
{
    (void)unused;
    print_window(window, L"child");
    return TRUE;
}

static BOOL CALLBACK on_top(HWND window, LPARAM unused)
{
    (void)unused;
    print_window(window, L"top");
    EnumChildWindows(window, on_child, 0);
    return TRUE;
}

int wmain(void)
{
    outf(L"#level\thwnd\tparent\towner\tpid\tclass\ttitle\tleft\ttop\twidth\theight\t"
         L"client_width\tclient_height\tvisible\ticonic\texstyle\ttopmost\tfocus\n");
    EnumWindows(on_top, 0);
    return 0;
}
