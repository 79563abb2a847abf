// Spare blocks: the heap gives large blocks back to the system when they are freed, and each new
// one then costs a page fault per page on first use, which for a large document or conversion
// takes as long as the work itself. Keeping the last few for the next large buffer saves that.
#include "SpareBlocks.h"
#include <stdlib.h>
#include <windows.h>

namespace
{
const int kSlots = 64;
struct Spare
{
    void* block;
    size_t size;
    unsigned long given; // when it was given: the oldest goes first to make room
};
Spare s_spares[kSlots];
size_t s_held = 0;
unsigned long s_clock = 0;
// The blocks are shared by every thread that uses the library (the version check reads its file
// on a thread of its own); only large blocks come here, so a spin lock is all it takes.
volatile LONG s_lock = 0;

class Locked
{
public:
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    Locked()
    {
        while (InterlockedCompareExchange(&s_lock, 1, 0) != 0)
            Sleep(0);
    }
    ~Locked() { InterlockedExchange(&s_lock, 0); }
};

int Oldest()
{
    int oldest = -1;
    for (int i = 0; i < kSlots; i++)
        if (s_spares[i].block && (oldest < 0 || s_spares[i].given < s_spares[oldest].given))
            oldest = i;
    return oldest;
}

void Drop(int i)
{
    free(s_spares[i].block);
    s_held -= s_spares[i].size;
    s_spares[i].block = nullptr;
    s_spares[i].size = 0;
}
} // namespace

namespace SpareBlocks
{
void* Take(size_t size, size_t* actual)
{
    if (size < kLeast)
        return nullptr;
    Locked lock;
    // The smallest that fits, and none more than twice the size asked for.
    int best = -1;
    for (int i = 0; i < kSlots; i++)
        if (s_spares[i].block && s_spares[i].size >= size && s_spares[i].size / 2 <= size &&
            (best < 0 || s_spares[i].size < s_spares[best].size))
            best = i;
    if (best < 0)
        return nullptr;
    void* block = s_spares[best].block;
    *actual = s_spares[best].size;
    s_held -= s_spares[best].size;
    s_spares[best].block = nullptr;
    s_spares[best].size = 0;
    return block;
}

void Give(void* block, size_t size)
{
    if (!block)
        return;
    if (size < kLeast || size > kMost)
    {
        free(block);
        return;
    }
    Locked lock;
    // The blocks given last are the likeliest to be asked for again: older ones make room.
    int slot = -1;
    for (;;)
    {
        for (int i = 0; i < kSlots && slot < 0; i++)
            if (!s_spares[i].block)
                slot = i;
        if (slot >= 0 && size <= kMost - s_held)
            break;
        Drop(Oldest());
    }
    s_spares[slot].block = block;
    s_spares[slot].size = size;
    s_spares[slot].given = ++s_clock;
    s_held += size;
}
} // namespace SpareBlocks
