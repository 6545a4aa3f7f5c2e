/* Presses or releases one X key by keycode through the XTest extension.
 *
 *   xkey down <keycode>    xkey up <keycode>
 *   xkey tap <keycode> [held_ms [times [gap_ms]]]
 *
 * tap presses and releases the key `times` times (1), holding it `held_ms`
 * (0) and waiting `gap_ms` (0) between taps: the timing comes from one
 * process, not from starting one per key change.
 *
 * Raw keycodes on purpose: keypad keys depend on NumLock, and keysym-based
 * tools (xdotool key KP_0) toggle NumLock around the event, which makes a
 * separate press and release disagree about the key. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

static int usage(void)
{
    fprintf(stderr, "usage: xkey down|up <keycode 8..255> | xkey tap <keycode> [held_ms [times [gap_ms]]]\n");
    return 2;
}

static int parse(const char *text, long low, long high, long *value)
{
    char *end = NULL;
    *value = strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && *value >= low && *value <= high;
}

static void sleep_ms(long ms)
{
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    while (ms > 0 && nanosleep(&pause, &pause) != 0) {
    }
}

int main(int argc, char **argv)
{
    if (argc < 3)
        return usage();
    long keycode, held = 0, times = 1, gap = 0;
    if (!parse(argv[2], 8, 255, &keycode))
        return usage();
    int press = strcmp(argv[1], "down") == 0;
    int release = strcmp(argv[1], "up") == 0;
    if (strcmp(argv[1], "tap") == 0) {
        press = release = 1;
        if (argc > 6 || (argc > 3 && !parse(argv[3], 0, 60000, &held)) ||
            (argc > 4 && !parse(argv[4], 1, 1000, &times)) || (argc > 5 && !parse(argv[5], 0, 60000, &gap)))
            return usage();
    } else if (argc != 3) {
        return usage();
    }
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
    for (long i = 0; i < times; ++i) {
        if (i > 0)
            sleep_ms(gap);
        if (press) {
            XTestFakeKeyEvent(display, (unsigned)keycode, True, CurrentTime);
            XSync(display, False);
        }
        if (press && release)
            sleep_ms(held);
        if (release) {
            XTestFakeKeyEvent(display, (unsigned)keycode, False, CurrentTime);
            XSync(display, False);
        }
    }
    XCloseDisplay(display);
    return 0;
}
