/* Key-down to first pointer move, as the X server sees it.
 *
 *   pointer_latency <presses> <keycode> <x> <y>
 *
 * For each press: put the pointer at (x, y), wait a random 150-350 ms (so the
 * presses fall at random phases of the program's timer), press the key
 * through XTest (as tests/e2e/tools/xkey does, but in this process so that no
 * process start lies inside the measured time), then poll XQueryPointer with
 * short sleeps until the pointer has left (x, y). The key stays down for
 * HOLD_MS more, past the program's repeat delay, and every further move is
 * timestamped too: successive moves of a held key are one tick of the
 * program's engine timer apart, which gives the timer period of the very same
 * run. Then the key goes up.
 *
 * Prints "key value" lines: presses, misses (no move within MISS_MS; they
 * count as a latency of MISS_MS),
 * latency_p50_us, latency_p95_us, latency_max_us, period_p50_us,
 * period_samples, poll_hz (the polling rate reached while waiting). */
#define _POSIX_C_SOURCE 200809L
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#define HOLD_MS 400
#define MISS_MS 1000
#define POLL_SLEEP_NS 200000L
#define MAX_PRESSES 1000
#define MAX_MOVES_PER_PRESS 256

static long long now_us(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

static void sleep_us(long long us)
{
    struct timespec t = {(time_t)(us / 1000000LL), (long)(us % 1000000LL) * 1000L};
    nanosleep(&t, NULL);
}

static void pointer(Display *display, Window root, int *x, int *y)
{
    Window root_return, child;
    int wx, wy;
    unsigned int mask;
    XQueryPointer(display, root, &root_return, &child, x, y, &wx, &wy, &mask);
}

static int compare_ll(const void *a, const void *b)
{
    long long x = *(const long long *)a, y = *(const long long *)b;
    return (x > y) - (x < y);
}

/* Nearest-rank percentile of a sorted array. */
static long long percentile(const long long *sorted, int count, int percent)
{
    if (count == 0)
        return -1;
    int rank = (percent * count + 99) / 100;
    if (rank < 1)
        rank = 1;
    return sorted[rank - 1];
}

static int parse(const char *text, long low, long high, long *value)
{
    char *end = NULL;
    *value = strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && *value >= low && *value <= high;
}

int main(int argc, char **argv)
{
    long presses, keycode, home_x, home_y;
    if (argc != 5 || !parse(argv[1], 1, MAX_PRESSES, &presses) || !parse(argv[2], 8, 255, &keycode) ||
        !parse(argv[3], 0, 100000, &home_x) || !parse(argv[4], 0, 100000, &home_y)) {
        fprintf(stderr, "usage: pointer_latency <presses 1..%d> <keycode 8..255> <x> <y>\n", MAX_PRESSES);
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "pointer_latency: cannot open display\n");
        return 1;
    }
    int event_base, error_base, major, minor;
    if (!XTestQueryExtension(display, &event_base, &error_base, &major, &minor)) {
        fprintf(stderr, "pointer_latency: the X server has no XTest extension\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    srand((unsigned)now_us());

    static long long latencies[MAX_PRESSES];
    static long long periods[MAX_PRESSES * MAX_MOVES_PER_PRESS];
    int latency_count = 0, period_count = 0, misses = 0;
    long long polls = 0, polling_us = 0;

    for (long press = 0; press < presses; ++press) {
        XWarpPointer(display, None, root, 0, 0, 0, 0, (int)home_x, (int)home_y);
        XSync(display, False);
        sleep_us(150000 + rand() % 200000);
        int x0, y0;
        pointer(display, root, &x0, &y0);

        long long pressed = now_us();
        XTestFakeKeyEvent(display, (unsigned)keycode, True, CurrentTime);
        XSync(display, False);

        int last_x = x0, last_y = y0, moves = 0;
        long long last_move = 0, deadline = pressed + MISS_MS * 1000LL;
        for (;;) {
            long long t = now_us();
            if (t >= deadline)
                break;
            int x, y;
            pointer(display, root, &x, &y);
            if (moves == 0)
                ++polls;
            if (x != last_x || y != last_y) {
                t = now_us();
                if (moves == 0) {
                    latencies[latency_count++] = t - pressed;
                    polling_us += t - pressed;
                    deadline = t + HOLD_MS * 1000LL;
                } else if (period_count < MAX_PRESSES * MAX_MOVES_PER_PRESS) {
                    periods[period_count++] = t - last_move;
                }
                last_move = t;
                last_x = x;
                last_y = y;
                if (++moves >= MAX_MOVES_PER_PRESS)
                    break;
            }
            sleep_us(POLL_SLEEP_NS / 1000);
        }
        if (moves == 0) {
            /* A press that never moved the pointer counts as the longest wait. */
            ++misses;
            latencies[latency_count++] = MISS_MS * 1000LL;
            polling_us += MISS_MS * 1000LL;
        }
        XTestFakeKeyEvent(display, (unsigned)keycode, False, CurrentTime);
        XSync(display, False);
    }
    XCloseDisplay(display);

    qsort(latencies, (size_t)latency_count, sizeof latencies[0], compare_ll);
    qsort(periods, (size_t)period_count, sizeof periods[0], compare_ll);
    printf("presses %ld\n", presses);
    printf("misses %d\n", misses);
    printf("latency_p50_us %lld\n", percentile(latencies, latency_count, 50));
    printf("latency_p95_us %lld\n", percentile(latencies, latency_count, 95));
    printf("latency_max_us %lld\n", latency_count ? latencies[latency_count - 1] : -1);
    printf("period_p50_us %lld\n", percentile(periods, period_count, 50));
    printf("period_samples %d\n", period_count);
    printf("poll_hz %lld\n", polling_us > 0 ? polls * 1000000LL / polling_us : 0);
    return 0;
}
