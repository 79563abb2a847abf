// XmlBench: throughput of loading XML documents into a tree and of converting text between code pages.
// Usage: XmlBench <repeats> <large document> <small documents, separated by NUL bytes>
//                 [<text file> <from code page> <to code page>]...
// Prints one line per measurement, "<name> <input bytes> <best seconds of one pass> <count>", where
// the count is the element count of the trees for loads and the output bytes for conversions, so
// the driver script can check that the reference did the same work.
#include "Charsets.h"
#include "EncodingConvert.h"
#include "XmlParser.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include "BenchClock.h"

namespace
{
long CountElements(TreeNode* root)
{
    // Walked through parent and sibling links: no recursion and no stack, however deep or wide.
    long n = 0;
    TreeNode* node = root;
    while (node)
    {
        n++;
        if (TreeNode* child = node->GetChild(0))
        {
            node = child;
            continue;
        }
        while (node && node != root && !node->GetNextSibling())
            node = node->GetParent();
        node = (node && node != root) ? node->GetNextSibling() : nullptr;
    }
    return n;
}

// With XMLBENCH_PHASES set in the environment, the seconds spent in each step of a load are summed
// over all passes and printed to the standard error: where the time of a load goes.
enum Phase
{
    kCopy,
    kNormalise,
    kEngine,
    kParse,
    kCount,
    kDelete,
    kPhases
};
const char* const kPhaseNames[kPhases] = {"copy", "normalise", "engine", "parse", "count", "delete"};
bool s_phases = false;
double s_phaseSeconds[kPhases];

struct PhaseClock
{
    double last;
    PhaseClock() : last(s_phases ? WallSeconds() : 0) {}
    void Lap(Phase phase)
    {
        if (!s_phases)
            return;
        double now = WallSeconds();
        s_phaseSeconds[phase] += now - last;
        last = now;
    }
};

// What XmlLoader::LoadFile does after reading the file: normalise to UTF-8, parse, look at the
// declared character set. The bytes come from memory here, as they do for the references.
long LoadFromMemory(const unsigned char* text, unsigned long length)
{
    PhaseClock clock;
    // The buffer has the shape the whole-file read gives it: the file's bytes and four more.
    DataBuffer bytes;
    bytes.EnsureCapacity(length + 4);
    bytes.Append(text, length);
    clock.Lap(kCopy);
    TreeNode* root = nullptr;
    if (!XmlLoader::NormaliseToUtf8(bytes, nullptr))
        return -1;
    clock.Lap(kNormalise);
    ParseEngine engine(bytes, ParseEngine::kInPlace);
    clock.Lap(kEngine);
    if (!XmlLoader::Parse(engine, nullptr, nullptr, &root) || !root)
        return -1;
    char storage[64];
    StringBuffer encoding(StringBuffer::kExternalStorage, storage, sizeof storage, 0);
    bool found = false;
    root->GetEncoding(encoding, found);
    unsigned long declared = found ? CharsetToCodePage(encoding.GetString()) : 0;
    if (declared == 1200 || declared == 1201 || declared == 65005 || declared == 65006)
        root->SetEncoding("utf-8");
    clock.Lap(kParse);
    long n = CountElements(root);
    clock.Lap(kCount);
    root->DeleteTree();
    clock.Lap(kDelete);
    return n;
}

struct Document
{
    const unsigned char* text;
    unsigned long length;
};

void Measure(const char* name, const Document* docs, int count, int repeats)
{
    unsigned long bytes = 0;
    for (int i = 0; i < count; i++)
        bytes += docs[i].length;
    double best = 1e30;
    long nodes = 0;
    memset(s_phaseSeconds, 0, sizeof(s_phaseSeconds));
    for (int r = 0; r < repeats; r++)
    {
        double t0 = WallSeconds();
        nodes = 0;
        for (int i = 0; i < count; i++)
        {
            long n = LoadFromMemory(docs[i].text, docs[i].length);
            if (n < 0)
            {
                fprintf(stderr, "cannot load document %d of %s\n", i, name);
                exit(1);
            }
            nodes += n;
        }
        double t = WallSeconds() - t0;
        if (t < best)
            best = t;
    }
    printf("%s %lu %.6f %ld\n", name, bytes, best, nodes);
    if (s_phases)
    {
        fprintf(stderr, "%s, mean ms per pass:", name);
        for (int i = 0; i < kPhases; i++)
            fprintf(stderr, " %s %.2f", kPhaseNames[i], s_phaseSeconds[i] * 1000 / repeats);
        fprintf(stderr, "\n");
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || (argc - 4) % 3)
    {
        fprintf(
            stderr,
            "usage: XmlBench <repeats> <large document> <small documents> [<text file> <from> <to>]...\n");
        return 2;
    }
    int repeats = atoi(argv[1]);
    if (repeats < 1)
        repeats = 1;
    s_phases = getenv("XMLBENCH_PHASES") != nullptr;

    DataBuffer large, small;
    if (!large.LoadFile(argv[2], nullptr) || !small.LoadFile(argv[3], nullptr))
    {
        fprintf(stderr, "cannot read the documents\n");
        return 1;
    }
    Document one = {large.GetData(), large.GetSize()};
    Measure("xml_large", &one, 1, repeats);

    int count = 0;
    const unsigned char* p = small.GetData();
    unsigned long n = small.GetSize();
    Document* many = new Document[n / 2 + 1];
    for (unsigned long i = 0, start = 0; i <= n; i++)
        if (i == n || p[i] == 0)
        {
            if (i > start)
                many[count++] = {p + start, i - start};
            start = i + 1;
        }
    Measure("xml_small", many, count, repeats);
    delete[] many;

    for (int a = 4; a + 2 < argc; a += 3)
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
        double best = 1e30;
        for (int i = 0; i < repeats; i++)
        {
            double t0 = WallSeconds();
            DataBuffer out;
            EncodingConvert conv;
            conv.Convert(from, to, text.GetData(), text.GetSize(), out);
            produced = out.GetSize();
            double t = WallSeconds() - t0;
            if (t < best)
                best = t;
        }
        printf("convert_%lu_%lu %lu %.6f %lu\n", from, to, text.GetSize(), best, produced);
        if (!produced)
            fprintf(stderr, "conversion %lu -> %lu produced nothing\n", from, to);
    }
    return 0;
}
