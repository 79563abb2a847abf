/* The conversion reference: glibc's iconv(3) called in this process, one call per pass over the
   whole input. Prints "<name> <input bytes> <best seconds of one pass> <output bytes>" like XmlBench.
   Usage: iconv_ref <repeats> [<file> <from charset> <to charset> <name>]... */
#include <errno.h>
#include <iconv.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double Now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

int main(int argc, char** argv)
{
    if (argc < 2 || (argc - 2) % 4)
    {
        fprintf(stderr, "usage: iconv_ref <repeats> [<file> <from> <to> <name>]...\n");
        return 2;
    }
    int repeats = atoi(argv[1]);
    if (repeats < 1)
        repeats = 1;
    for (int a = 2; a + 3 < argc; a += 4)
    {
        FILE* f = fopen(argv[a], "rb");
        if (!f)
        {
            fprintf(stderr, "cannot read %s\n", argv[a]);
            return 1;
        }
        fseek(f, 0, SEEK_END);
        size_t size = (size_t)ftell(f);
        fseek(f, 0, SEEK_SET);
        char* in = malloc(size);
        if (!in || fread(in, 1, size, f) != size)
            return 1;
        fclose(f);
        size_t capacity = size * 4 + 16;
        char* out = malloc(capacity);
        iconv_t cd = iconv_open(argv[a + 2], argv[a + 1]);
        if (cd == (iconv_t)-1)
        {
            fprintf(stderr, "iconv cannot convert %s to %s\n", argv[a + 1], argv[a + 2]);
            return 1;
        }
        double best = 1e30;
        size_t produced = 0;
        for (int r = 0; r < repeats; r++)
        {
            double t0 = Now();
            iconv(cd, NULL, NULL, NULL, NULL);
            char* ip = in;
            char* op = out;
            size_t il = size, ol = capacity;
            while (il && iconv(cd, &ip, &il, &op, &ol) == (size_t)-1)
            {
                if (errno != EILSEQ && errno != EINVAL)
                    break;
                ip++; /* an unconvertible byte is dropped, as the converter under test drops it */
                il--;
            }
            produced = (size_t)(op - out);
            double t = Now() - t0;
            if (t < best)
                best = t;
        }
        iconv_close(cd);
        printf("%s %zu %.6f %zu\n", argv[a + 3], size, best, produced);
        free(in);
        free(out);
    }
    return 0;
}
