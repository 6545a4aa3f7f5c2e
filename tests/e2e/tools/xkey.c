/* Presses or releases one X key by keycode through the XTest extension.
 *
 *   xkey down <keycode>    xkey up <keycode>    xkey tap <keycode>
 *
 * Raw keycodes on purpose: keypad keys depend on NumLock, and keysym-based
 * tools (xdotool key KP_0) toggle NumLock around the event, which makes a
 * separate press and release disagree about the key. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

static int usage(void)
{
    fprintf(stderr, "usage: xkey down|up|tap <keycode 8..255>\n");
    return 2;
}

int main(int argc, char **argv)
{
    if (argc != 3)
        return usage();
    char *end = NULL;
    long keycode = strtol(argv[2], &end, 10);
    if (*argv[2] == '\0' || *end != '\0' || keycode < 8 || keycode > 255)
        return usage();
    int press = strcmp(argv[1], "down") == 0;
    int release = strcmp(argv[1], "up") == 0;
    if (strcmp(argv[1], "tap") == 0)
        press = release = 1;
    if (!press && !release)
        return usage();

    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xkey: cannot open display\n");
        return 1;
    }
    int event_base, error_base, major, minor;
    if (!XTestQueryExtension(display, &event_base, &error_base, &major, &minor)) {
        fprintf(stderr, "xkey: the X server has no XTest extension\n");
        XCloseDisplay(display);
        return 1;
    }
    if (press)
        XTestFakeKeyEvent(display, (unsigned)keycode, True, CurrentTime);
    if (release)
        XTestFakeKeyEvent(display, (unsigned)keycode, False, CurrentTime);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
