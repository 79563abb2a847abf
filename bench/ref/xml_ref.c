/* The XML references: the same documents loaded from memory by libxml2 into its tree
   (xmlReadMemory) and parsed by expat with no handlers set. Prints one line per measurement,
   "<name> <input bytes> <best seconds of one pass> <nodes or 0>", like XmlBench.
   Usage: xml_ref <repeats> <large document> <small documents, separated by NUL bytes> */
#include <expat.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
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

static char* ReadAll(const char* path, size_t* size)
{
    FILE* f = fopen(path, "rb");
    if (!f)
        return NULL;
    fseek(f, 0, SEEK_END);
    long n = ftell(f);
    fseek(f, 0, SEEK_SET);
    char* p = malloc((size_t)n + 1);
    if (p && fread(p, 1, (size_t)n, f) != (size_t)n)
    {
        free(p);
        p = NULL;
    }
    fclose(f);
    if (p)
        p[n] = 0;
    *size = (size_t)n;
    return p;
}

struct Docs
{
    const char** text;
    int* length;
    int count;
};

static void SplitDocs(char* all, size_t size, struct Docs* docs)
{
    docs->count = 0;
    for (size_t i = 0; i < size; i++)
        if (all[i] == 0)
            docs->count++;
    docs->count++;
    docs->text = malloc(sizeof(char*) * (size_t)docs->count);
    docs->length = malloc(sizeof(int) * (size_t)docs->count);
    int k = 0;
    size_t start = 0;
    for (size_t i = 0; i <= size; i++)
        if (i == size || all[i] == 0)
        {
            if (i > start)
            {
                docs->text[k] = all + start;
                docs->length[k] = (int)(i - start);
                k++;
            }
            start = i + 1;
        }
    docs->count = k;
}

static long CountNodes(xmlNodePtr node)
{
    long n = 0;
    for (; node; node = node->next)
        if (node->type == XML_ELEMENT_NODE)
            n += 1 + CountNodes(node->children);
    return n;
}

/* One pass over the documents; returns the element count of the trees (libxml2) or 0 (expat). */
static long PassLibxml2(const struct Docs* docs)
{
    long nodes = 0;
    for (int i = 0; i < docs->count; i++)
    {
        xmlDocPtr doc = xmlReadMemory(docs->text[i], docs->length[i], NULL, NULL, XML_PARSE_NONET);
        if (!doc)
        {
            fprintf(stderr, "libxml2 could not load document %d\n", i);
            exit(1);
        }
        nodes += CountNodes(xmlDocGetRootElement(doc));
        xmlFreeDoc(doc);
    }
    return nodes;
}

static long PassExpat(const struct Docs* docs)
{
    for (int i = 0; i < docs->count; i++)
    {
        XML_Parser parser = XML_ParserCreate(NULL);
        if (XML_Parse(parser, docs->text[i], docs->length[i], 1) != XML_STATUS_OK)
        {
            fprintf(stderr, "expat could not parse document %d: %s\n", i,
                    XML_ErrorString(XML_GetErrorCode(parser)));
            exit(1);
        }
        XML_ParserFree(parser);
    }
    return 0;
}

static void Measure(const char* name, long (*pass)(const struct Docs*), const struct Docs* docs, int repeats)
{
    long bytes = 0, nodes = 0;
    for (int i = 0; i < docs->count; i++)
        bytes += docs->length[i];
    double best = 1e30;
    for (int r = 0; r < repeats; r++)
    {
        double t0 = Now();
        nodes = pass(docs);
        double t = Now() - t0;
        if (t < best)
            best = t;
    }
    printf("%s %ld %.6f %ld\n", name, bytes, best, nodes);
}

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        fprintf(stderr, "usage: xml_ref <repeats> <large document> <small documents>\n");
        return 2;
    }
    int repeats = atoi(argv[1]);
    if (repeats < 1)
        repeats = 1;
    xmlInitParser();
    size_t largeSize, smallSize;
    char* large = ReadAll(argv[2], &largeSize);
    char* small = ReadAll(argv[3], &smallSize);
    if (!large || !small)
    {
        fprintf(stderr, "cannot read the documents\n");
        return 1;
    }
    const char* largeText[1] = {large};
    int largeLength[1] = {(int)largeSize};
    struct Docs one = {largeText, largeLength, 1}, many;
    SplitDocs(small, smallSize, &many);
    Measure("xml_large_libxml2", PassLibxml2, &one, repeats);
    Measure("xml_large_expat", PassExpat, &one, repeats);
    Measure("xml_small_libxml2", PassLibxml2, &many, repeats);
    Measure("xml_small_expat", PassExpat, &many, repeats);
    xmlCleanupParser();
    return 0;
}
