/*
 * The tiny client in front of the stand-in tools: it hands one tool call to
 * the user's warm compile service and prints what the service answers, or,
 * when no service can be had, runs the tool cold exactly as before.
 *
 *   standin-client TOOL N COLD-COMMAND(N words) ARGUMENTS...
 *   standin-client --stop     ends the service of this stand-in tree
 *
 * The socket lives in QUENVEL_STANDIN_RUNTIME_DIR, else
 * $XDG_RUNTIME_DIR/quenvel-standin, else /tmp/quenvel-standin-UID; the folder
 * must be the user's own and closed to others. QUENVEL_STANDIN_SERVICE=off
 * keeps every call cold.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef ECJ_JAR
#error ECJ_JAR must name the archive of the Eclipse compiler
#endif

/* The service's files lie beside this client (jdk/lib) and in jdk/bin, in
 * the build tree or wherever the stand-ins were installed. */
static char libFolder[PATH_MAX];
static char serviceJar[PATH_MAX];
static char classPath[2 * PATH_MAX];
static char javacScript[PATH_MAX];
static char jarScript[PATH_MAX];
static char clientPath[PATH_MAX];

static int findOwnFiles(void)
{
    ssize_t n = readlink("/proc/self/exe", clientPath, sizeof clientPath - 1);
    if (n <= 0)
        return -1;
    clientPath[n] = '\0';
    snprintf(libFolder, sizeof libFolder, "%s", clientPath);
    char *slash = strrchr(libFolder, '/');
    if (!slash)
        return -1;
    *slash = '\0';
    int ok = snprintf(serviceJar, sizeof serviceJar, "%s/standin-javac.jar", libFolder) < (int)sizeof serviceJar
             && snprintf(classPath, sizeof classPath, "%s:%s", serviceJar, ECJ_JAR) < (int)sizeof classPath
             && snprintf(javacScript, sizeof javacScript, "%s/../bin/javac", libFolder) < (int)sizeof javacScript
             && snprintf(jarScript, sizeof jarScript, "%s/../bin/jar", libFolder) < (int)sizeof jarScript;
    return ok ? 0 : -1;
}

enum { OUT = 1, ERR = 2, EXIT = 3, COLD = 4 };

static int socketPath(char *path, size_t size)
{
    char folder[PATH_MAX];
    const char *given = getenv("QUENVEL_STANDIN_RUNTIME_DIR");
    const char *runtime = getenv("XDG_RUNTIME_DIR");
    if (given && *given)
        snprintf(folder, sizeof folder, "%s", given);
    else if (runtime && *runtime)
        snprintf(folder, sizeof folder, "%s/quenvel-standin", runtime);
    else
        snprintf(folder, sizeof folder, "/tmp/quenvel-standin-%lu", (unsigned long)getuid());
    if (mkdir(folder, 0700) != 0 && errno != EEXIST)
        return -1;
    struct stat info;
    if (lstat(folder, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() || (info.st_mode & 077) != 0)
        return -1;
    /* One service per stand-in tree: the name is a hash of its classes' path. */
    uint32_t hash = 2166136261u;
    for (const char *c = classPath; *c; ++c)
        hash = (hash ^ (unsigned char)*c) * 16777619u;
    int n = snprintf(path, size, "%s/%08x.sock", folder, hash);
    return n > 0 && (size_t)n < sizeof(((struct sockaddr_un *)0)->sun_path) ? 0 : -1;
}

static int connectTo(const char *path)
{
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    struct sockaddr_un address = {.sun_family = AF_UNIX};
    strcpy(address.sun_path, path);
    if (connect(fd, (struct sockaddr *)&address, sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

/* The service, detached from the caller's terminal, pipes and process group. */
static void startService(const char *path)
{
    pid_t child = fork();
    if (child < 0)
        return;
    if (child > 0) {
        while (waitpid(child, NULL, 0) < 0 && errno == EINTR) {
        }
        return;
    }
    setsid();
    if (fork() != 0)
        _exit(0);
    int null = open("/dev/null", O_RDWR);
    if (null < 0 || chdir("/") != 0)
        _exit(1);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execl(JAVA, JAVA, "-Xshare:auto", "-XX:+UseSerialGC", "-Xss4m", "-classpath", classPath, "StandinService", path,
          serviceJar, ECJ_JAR, javacScript, jarScript, clientPath, (char *)NULL);
    _exit(1);
}

static int writeAll(int fd, const void *data, size_t size)
{
    const char *p = data;
    while (size > 0) {
        ssize_t n = write(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        p += n;
        size -= (size_t)n;
    }
    return 0;
}

static int readAll(int fd, void *data, size_t size)
{
    char *p = data;
    while (size > 0) {
        ssize_t n = read(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        p += n;
        size -= (size_t)n;
    }
    return 0;
}

static int sendText(int fd, const char *text)
{
    uint32_t size = (uint32_t)strlen(text);
    unsigned char length[4] = {size >> 24, size >> 16, size >> 8, size};
    return writeAll(fd, length, 4) || writeAll(fd, text, size);
}

/* The tool's exit code from the service; -1 when the call is to run cold. */
static int callService(int fd, const char *tool, int argc, char **argv)
{
    char cwd[PATH_MAX];
    char count[16];
    if (!getcwd(cwd, sizeof cwd))
        return -1;
    snprintf(count, sizeof count, "%d", argc);
    if (sendText(fd, tool) || sendText(fd, cwd) || sendText(fd, count))
        return -1;
    for (int i = 0; i < argc; ++i) {
        if (sendText(fd, argv[i]))
            return -1;
    }
    int printed = 0;
    for (;;) {
        unsigned char head[5];
        if (readAll(fd, head, 5) != 0)
            break;
        uint32_t size = (uint32_t)head[1] << 24 | (uint32_t)head[2] << 16 | (uint32_t)head[3] << 8 | head[4];
        char *data = malloc(size ? size : 1);
        if (!data || readAll(fd, data, size) != 0) {
            free(data);
            break;
        }
        if (head[0] == EXIT && size == 4) {
            int code = (unsigned char)data[0] << 24 | (unsigned char)data[1] << 16 | (unsigned char)data[2] << 8 | (unsigned char)data[3];
            free(data);
            return code;
        }
        if (head[0] == COLD && !printed) {
            free(data);
            return -1;
        }
        if (head[0] == OUT || head[0] == ERR) {
            writeAll(head[0], data, size);
            printed = 1;
        }
        free(data);
    }
    if (!printed)
        return -1;
    fprintf(stderr, "%s: the compile service ended during the call\n", tool);
    return 1;
}

int main(int argc, char **argv)
{
    char path[PATH_MAX];
    const int found = findOwnFiles();
    if (argc == 2 && strcmp(argv[1], "--stop") == 0) {
        int fd = found == 0 && socketPath(path, sizeof path) == 0 ? connectTo(path) : -1;
        if (fd >= 0 && sendText(fd, "stop") == 0) {
            char done;
            while (read(fd, &done, 1) > 0) {
            }
        }
        return 0;
    }
    int words = argc > 2 ? atoi(argv[2]) : 0;
    if (words <= 0 || 3 + words > argc) {
        fprintf(stderr, "usage: standin-client TOOL N COLD-COMMAND... ARGUMENTS...\n");
        return 2;
    }
    const char *off = getenv("QUENVEL_STANDIN_SERVICE");
    if (found == 0 && (!off || strcmp(off, "off") != 0) && socketPath(path, sizeof path) == 0) {
        int fd = connectTo(path);
        if (fd < 0) {
            startService(path);
        } else {
            int code = callService(fd, argv[1], argc - 3 - words, argv + 3 + words);
            close(fd);
            if (code >= 0)
                return code;
        }
    }
    /* Cold: the tool as it always ran, with the caller's arguments. */
    char **cold = malloc(sizeof(char *) * (size_t)(argc - 2));
    if (!cold)
        return 1;
    for (int i = 0; i < words; ++i)
        cold[i] = argv[3 + i];
    for (int i = 3 + words; i < argc; ++i)
        cold[i - 3] = argv[i];
    cold[argc - 3] = NULL;
    execv(cold[0], cold);
    fprintf(stderr, "%s: cannot start %s: %s\n", argv[1], cold[0], strerror(errno));
    return 1;
}
