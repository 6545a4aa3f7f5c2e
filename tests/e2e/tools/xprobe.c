/* Small questions about the X desktop that the shell tools cannot answer well.
 *
 *   xprobe wm       exit 0 when a window manager has announced itself
 *   xprobe tray     exit 0 when a system tray owns the tray selection
 *   xprobe icons    one line per icon docked in the tray: "x y width height window"
 *                   (root coordinates of viewable windows carrying _XEMBED_INFO,
 *                   which the tray protocol requires of every docked icon)
 *   xprobe reach <window> <x> <y> <slack> <timeout ms>
 *                   moves the pointer to x,y as real input would, then waits until
 *                   the window's top-left corner lies 0..slack pixels right of and
 *                   below that point; prints "<ms> <left> <top>", or after the
 *                   timeout "timeout <left> <top>" and exits 1. Timed here rather
 *                   than in the shell, where starting each X client costs tens of
 *                   milliseconds on a loaded machine. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>

static int has_property(Display *display, Window window, Atom property)
{
    int count = 0;
    Atom *atoms = XListProperties(display, window, &count);
    int found = 0;
    for (int i = 0; i < count && !found; ++i)
        found = atoms[i] == property;
    if (atoms)
        XFree(atoms);
    return found;
}

static void list_icons(Display *display, Window window, Atom xembed_info)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return;
    if (has_property(display, window, xembed_info)) {
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
        printf("%d %d %d %d 0x%lx\n", x, y, attributes.width, attributes.height, window);
    }
    Window root, parent, *children = NULL;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i)
        list_icons(display, children[i], xembed_info);
    if (children)
        XFree(children);
}

static int window_manager_running(Display *display)
{
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return 0;
    Atom type;
    int format;
    unsigned long items, remaining;
    unsigned char *data = NULL;
    int ok = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                &type, &format, &items, &remaining, &data) == Success
             && items == 1;
    if (data)
        XFree(data);
    return ok;
}

static int tray_running(Display *display)
{
    char name[64];
    snprintf(name, sizeof name, "_NET_SYSTEM_TRAY_S%d", DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, name, False)) != None;
}

static long long monotonic_us(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

static int wait_for_window_at(Display *display, char **argv)
{
    Window window = strtoul(argv[2], NULL, 0);
    int x = atoi(argv[3]), y = atoi(argv[4]), slack = atoi(argv[5]);
    long long timeout_us = atoll(argv[6]) * 1000;
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XSync(display, False);
    long long started = monotonic_us();
    for (;;) {
        int left = 0, top = 0;
        Window child;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &child);
        long long elapsed = monotonic_us() - started;
        if (left >= x && left <= x + slack && top >= y && top <= y + slack) {
            printf("%lld %d %d\n", elapsed / 1000, left, top);
            return 0;
        }
        if (elapsed >= timeout_us) {
            printf("timeout %d %d\n", left, top);
            return 1;
        }
        usleep(1000);
    }
}

static int usage(void)
{
    fprintf(stderr, "usage: xprobe wm|tray|icons | reach <window> <x> <y> <slack> <timeout ms>\n");
    return 2;
}

int main(int argc, char **argv)
{
    int reach = argc >= 2 && strcmp(argv[1], "reach") == 0;
    if (argc != (reach ? 7 : 2))
        return usage();
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xprobe: cannot open display\n");
        return 1;
    }
    int status = 0;
    if (strcmp(argv[1], "wm") == 0) {
        status = window_manager_running(display) ? 0 : 1;
    } else if (strcmp(argv[1], "tray") == 0) {
        status = tray_running(display) ? 0 : 1;
    } else if (strcmp(argv[1], "icons") == 0) {
        list_icons(display, DefaultRootWindow(display), XInternAtom(display, "_XEMBED_INFO", False));
    } else if (reach) {
        status = wait_for_window_at(display, argv);
    } else {
        status = usage();
    }
    XCloseDisplay(display);
    return status;
}
