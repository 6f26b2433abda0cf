/* Starts the program and reports, in milliseconds from the process start,
 * when its first top-level window was mapped on the X display and when the
 * banner strip's grey first showed in it (the window painted), then its
 * resident memory half a second later. Built and run by startup.sh.
 * Usage: startup_probe PROGRAM */
#define _POSIX_C_SOURCE 200809L
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long status_kb(pid_t pid, const char* file, const char* key) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/%s", (int)pid, file);
    FILE* f = fopen(path, "r");
    long kb = -1;
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, strlen(key)) == 0) kb = strtol(line + strlen(key), NULL, 10);
    fclose(f);
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) return 3;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1;
    xcb_window_t window = 0;
    xcb_generic_event_t* e;
    while (mapped < 0 && (e = xcb_wait_for_event(c)) != NULL) {
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            mapped = now_ms() - start;
            window = ((xcb_map_notify_event_t*)e)->window;
        }
        free(e);
    }
    /* A point inside the banner strip, below the menu bar. */
    double painted = -1;
    const struct timespec step = {0, 500 * 1000};
    while (painted < 0 && now_ms() - start < 5000) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 100, 60, 1, 1, ~0u), NULL);
        if (image != NULL) {
            const uint8_t* px = xcb_get_image_data(image);
            if (xcb_get_image_data_length(image) >= 3 && px[0] == 224 && px[1] == 224 && px[2] == 224)
                painted = now_ms() - start;
            free(image);
        }
        if (painted < 0) nanosleep(&step, NULL);
    }
    const struct timespec settle = {0, 500 * 1000 * 1000};
    nanosleep(&settle, NULL);
    const long rss = status_kb(pid, "status", "VmRSS:");
    const long pss = status_kb(pid, "smaps_rollup", "Pss:");
    kill(pid, SIGKILL); /* no closing question, nothing written */
    waitpid(pid, NULL, 0);
    printf("%.1f %.1f %ld %ld\n", mapped, painted, rss, pss);
    return 0;
}
