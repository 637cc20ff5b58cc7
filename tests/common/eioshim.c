/* A failing disk for the tests: loaded with LD_PRELOAD, it makes read() of one file fail with EIO once
 * that file has been read up to a given offset, as a USB stick with a bad block does. SPR_EIO_FILE names
 * the file (its canonical path), SPR_EIO_AFTER the bytes that still read. Without SPR_EIO_FILE every
 * read is left alone, so a whole test program may run with the shim loaded. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

typedef ssize_t (*readFunction)(int, void *, size_t);

/* How many of count bytes fd may read; -1 when the read must fail. */
static ssize_t allowedBytes(int fd, size_t count)
{
    const char *name = getenv("SPR_EIO_FILE");
    if (!name || !*name)
        return (ssize_t)count;
    char link[64];
    char target[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    if (length < 0)
        return (ssize_t)count;
    target[length] = '\0';
    if (strcmp(target, name) != 0)
        return (ssize_t)count;
    const char *afterText = getenv("SPR_EIO_AFTER");
    const off_t after = afterText ? (off_t)atoll(afterText) : 0;
    const off_t at = lseek(fd, 0, SEEK_CUR);
    if (at < 0)
        return (ssize_t)count;
    if (at >= after)
        return -1;
    return (size_t)(after - at) < count ? (ssize_t)(after - at) : (ssize_t)count;
}

ssize_t read(int fd, void *buffer, size_t count)
{
    static readFunction next;
    if (!next)
        next = (readFunction)dlsym(RTLD_NEXT, "read");
    const ssize_t allowed = allowedBytes(fd, count);
    if (allowed < 0) {
        errno = EIO;
        return -1;
    }
    return next(fd, buffer, (size_t)allowed);
}

/* The fortified read some callers are compiled to. */
ssize_t __read_chk(int fd, void *buffer, size_t count, size_t bufferSize)
{
    (void)bufferSize;
    return read(fd, buffer, count);
}
