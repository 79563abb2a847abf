// XmlBench: throughput of loading an XML file into a tree and of converting text between code pages.
// Usage: XmlBench <xml file> <repeats> [<text file> <from code page> <to code page>]...
// Prints one line per measurement: "<name> <bytes> <seconds>" (the driver script makes the ratios).
#include "EncodingConvert.h"
#include "XmlParser.h"
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

namespace
{
double Now()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)frequency.QuadPart;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: XmlBench <xml file> <repeats> [<text file> <from> <to>]...\n");
        return 2;
    }
    int repeats = atoi(argv[2]);
    if (repeats < 1)
        repeats = 1;

    DataBuffer file;
    if (!file.LoadFile(argv[1], nullptr))
    {
        fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    double start = Now();
    for (int i = 0; i < repeats; i++)
    {
        TreeNode* root = nullptr;
        if (!XmlLoader::LoadFile(argv[1], nullptr, nullptr, &root) || !root)
        {
            fprintf(stderr, "cannot load %s\n", argv[1]);
            return 1;
        }
        root->DeleteTree();
    }
    printf("xml_load %lu %.6f\n", file.GetSize() * (unsigned long)repeats, Now() - start);

    for (int a = 3; a + 2 < argc; a += 3)
    {
        DataBuffer text;
        if (!text.LoadFile(argv[a], nullptr))
        {
            fprintf(stderr, "cannot read %s\n", argv[a]);
            return 1;
        }
        unsigned long from = strtoul(argv[a + 1], nullptr, 10), to = strtoul(argv[a + 2], nullptr, 10);
        unsigned long produced = 0;
        // The first conversion loads the tables; it is not counted.
        {
            DataBuffer out;
            EncodingConvert conv;
            conv.Convert(from, to, text.GetData(), text.GetSize(), out);
        }
        start = Now();
        for (int i = 0; i < repeats; i++)
        {
            DataBuffer out;
            EncodingConvert conv;
            conv.Convert(from, to, text.GetData(), text.GetSize(), out);
            produced = out.GetSize();
        }
        printf("convert_%lu_%lu %lu %.6f\n", from, to, text.GetSize() * (unsigned long)repeats,
               Now() - start);
        if (!produced)
            fprintf(stderr, "conversion %lu -> %lu produced nothing\n", from, to);
    }
    return 0;
}
