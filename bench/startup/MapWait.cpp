// Starts a program and reports when its first top-level window maps on the X
// display, the peak memory (VmHWM) the program reached SETTLE_MS later, and
// the processor time all its threads had used when the window mapped.
//   map-wait SETTLE_MS PROGRAM [ARGS...]
// prints "<milliseconds to map> <peak KiB> <processor milliseconds>" and ends
// the program. Meant for a private X server on which nothing else maps
// windows. The processor time depends little on other work on the machine.

#include <X11/Xlib.h>
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long PeakKib(pid_t pid) {
  char path[64], line[256];
  long kib = -1;
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  while (fgets(line, sizeof line, f))
    if (strncmp(line, "VmHWM:", 6) == 0) kib = strtol(line + 6, NULL, 10);
  fclose(f);
  return kib;
}

// Processor time of all threads of pid, in milliseconds (from schedstat,
// which counts nanoseconds).
static double CpuMs(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
  DIR* tasks = opendir(path);
  if (!tasks) return -1;
  double total = 0;
  struct dirent* entry;
  while ((entry = readdir(tasks)) != NULL) {
    if (entry->d_name[0] == '.') continue;
    char statPath[320];
    snprintf(statPath, sizeof statPath, "%s/%s/schedstat", path, entry->d_name);
    FILE* f = fopen(statPath, "r");
    if (!f) continue;
    unsigned long long ns = 0;
    if (fscanf(f, "%llu", &ns) == 1) total += ns / 1e6;
    fclose(f);
  }
  closedir(tasks);
  return total;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: map-wait SETTLE_MS PROGRAM [ARGS...]\n");
    return 2;
  }
  const int settleMs = atoi(argv[1]);
  // A server that has just started may turn the first connection away.
  Display* display = XOpenDisplay(NULL);
  for (int i = 0; !display && i < 40; ++i) {
    usleep(50000);
    display = XOpenDisplay(NULL);
  }
  if (!display) {
    fprintf(stderr, "map-wait: no X display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1;
  const int fd = ConnectionNumber(display);
  while (mapped < 0) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
        mapped = Now();
        break;
      }
    }
    if (mapped >= 0) break;
    if (waitpid(pid, NULL, WNOHANG) == pid) {
      fprintf(stderr, "map-wait: the program ended before it mapped a window\n");
      return 1;
    }
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    struct timeval tv = {0, 20000};
    select(fd + 1, &set, NULL, NULL, &tv);
    if (Now() - start > 30000) {
      fprintf(stderr, "map-wait: no window within 30 s\n");
      kill(pid, SIGKILL);
      return 1;
    }
  }
  const double cpu = CpuMs(pid);
  if (settleMs > 0) usleep((useconds_t)settleMs * 1000);
  const long kib = PeakKib(pid);
  kill(pid, SIGKILL);
  waitpid(pid, NULL, 0);
  printf("%.2f %ld %.2f\n", mapped - start, kib, cpu);
  XCloseDisplay(display);
  return 0;
}
