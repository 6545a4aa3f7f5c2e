/* Small questions about the X desktop that the shell tools cannot answer well.
 *
 *   xprobe wm       exit 0 when a window manager has announced itself
 *   xprobe tray     exit 0 when a system tray owns the tray selection
 *   xprobe icons    one line per icon docked in the tray: "x y width height window"
 *                   (root coordinates of viewable windows carrying _XEMBED_INFO,
 *                   which the tray protocol requires of every docked icon) */
#include <stdio.h>
#include <string.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>

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

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: xprobe wm|tray|icons\n");
        return 2;
    }
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
    } else {
        fprintf(stderr, "usage: xprobe wm|tray|icons\n");
        status = 2;
    }
    XCloseDisplay(display);
    return status;
}
