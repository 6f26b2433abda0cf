/* Starts the program and reports, in milliseconds from the process start,
 * when its first top-level window was mapped on the X display and when the
 * banner showed in it (the program's name, dark on the white page, in the
 * strip below the menu bar); then, two seconds after the start, how many
 * processes the program is and its memory: the main process's RSS and the
 * PSS of the whole process tree. Built and run by startup.sh.
 * Usage: startup_probe PROGRAM
 * Prints: MAPPED_MS BANNER_MS PROCESSES RSS_KB PSS_KB */
#define _POSIX_C_SOURCE 200809L
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

enum { MaxProcesses = 4096, StripTop = 100, TextLeft = 250, TextRight = 490 };

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long field_kb(pid_t pid, const char* file, const char* key) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/%s", (int)pid, file);
    FILE* f = fopen(path, "r");
    long kb = 0;
    if (!f) return 0;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, strlen(key)) == 0) kb = strtol(line + strlen(key), NULL, 10);
    fclose(f);
    return kb;
}

static pid_t parent_of(pid_t pid) {
    char path[64], buf[512];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return 0;
    const size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = '\0';
    const char* after_name = strrchr(buf, ')');
    int ppid = 0;
    if (after_name == NULL || sscanf(after_name + 1, " %*c %d", &ppid) != 1) return 0;
    return (pid_t)ppid;
}

/* The program and every process it started, however deep. */
static int process_tree(pid_t root, pid_t* tree) {
    pid_t all[MaxProcesses], parents[MaxProcesses];
    int count = 0, found = 1;
    DIR* proc = opendir("/proc");
    struct dirent* entry;
    while (proc && count < MaxProcesses && (entry = readdir(proc)) != NULL) {
        const pid_t pid = (pid_t)atoi(entry->d_name);
        if (pid <= 0) continue;
        all[count] = pid;
        parents[count++] = parent_of(pid);
    }
    if (proc) closedir(proc);
    tree[0] = root;
    for (int i = 0; i < found; ++i)
        for (int j = 0; j < count; ++j)
            if (parents[j] == tree[i] && found < MaxProcesses) tree[found++] = all[j];
    return found;
}

/* A row of the strip with the white page at its left edge and a dark
 * pixel of the name near its middle. */
static int banner_shown(xcb_connection_t* c, xcb_window_t window) {
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, TextRight, StripTop, ~0u), NULL);
    if (image == NULL) return 0;
    int shown = 0;
    if (xcb_get_image_data_length(image) >= TextRight * StripTop * 4) {
        const uint8_t* px = xcb_get_image_data(image);
        for (int y = 0; y < StripTop && !shown; ++y) {
            const uint8_t* row = px + (size_t)y * TextRight * 4;
            if (row[4 * 5] != 255 || row[4 * 5 + 1] != 255 || row[4 * 5 + 2] != 255) continue;
            for (int x = TextLeft; x < TextRight && !shown; ++x)
                shown = row[4 * x] < 100 && row[4 * x + 1] < 100 && row[4 * x + 2] < 100;
        }
    }
    free(image);
    return shown;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    /* Right after the previous run the display may turn a connection away. */
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    for (int tries = 0; xcb_connection_has_error(c) && tries < 50; ++tries) {
        xcb_disconnect(c);
        const struct timespec pause = {0, 20 * 1000 * 1000};
        nanosleep(&pause, NULL);
        c = xcb_connect(NULL, NULL);
    }
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
    double banner = -1;
    const struct timespec step = {0, 500 * 1000};
    while (banner < 0 && now_ms() - start < 2000) {
        if (banner_shown(c, window)) banner = now_ms() - start;
        else nanosleep(&step, NULL);
    }
    const double left = 2000 - (now_ms() - start);
    if (left > 0) {
        const struct timespec settle = {(time_t)(left / 1000), (long)((left - 1000 * (long)(left / 1000)) * 1e6)};
        nanosleep(&settle, NULL);
    }
    static pid_t tree[MaxProcesses];
    const int processes = process_tree(pid, tree);
    long pss = 0;
    for (int i = 0; i < processes; ++i) pss += field_kb(tree[i], "smaps_rollup", "Pss:");
    const long rss = field_kb(pid, "status", "VmRSS:");
    kill(pid, SIGKILL); /* no closing question, nothing written */
    waitpid(pid, NULL, 0);
    printf("%.1f %.1f %d %ld %ld\n", mapped, banner, processes, rss, pss);
    return 0;
}
