/* The floor: creates the directories and files an extractor must create and
 * writes as many bytes into each, from one small buffer in memory. It reads
 * no archive and prints nothing, so no extractor can be faster.
 *
 *   floor MANIFEST     (lines "d 0 DIR" and "f SIZE PATH", run in the output dir)
 */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static char buf[1 << 20];

int main(int argc, char **argv) {
    FILE *manifest = argc == 2 ? fopen(argv[1], "r") : NULL;
    if (!manifest) {
        fprintf(stderr, "usage: floor MANIFEST\n");
        return 2;
    }
    memset(buf, 0xa5, sizeof buf);
    char kind, path[4096];
    long long size;
    while (fscanf(manifest, " %c %lld %4095s", &kind, &size, path) == 3) {
        if (kind == 'd') {
            if (mkdir(path, 0777) != 0 && errno != EEXIST) goto fail;
            continue;
        }
        int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (fd < 0) goto fail;
        while (size > 0) {
            ssize_t n = write(fd, buf, size < (long long)sizeof buf ? (size_t)size : sizeof buf);
            if (n <= 0) goto fail;
            size -= n;
        }
        if (close(fd) != 0) goto fail;
    }
    return 0;
fail:
    perror(path);
    return 1;
}
