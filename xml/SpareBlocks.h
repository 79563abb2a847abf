// Large heap blocks let go by one buffer or document, kept for the next one that needs as much.
#ifndef VELMORA_SPAREBLOCKS_H
#define VELMORA_SPAREBLOCKS_H
#include <stddef.h>

namespace SpareBlocks
{
// Blocks smaller than this come and go through the heap as they are.
const size_t kLeast = 256 * 1024;
// Memory held in spare blocks at most: enough for the blocks of a document of a few megabytes.
const size_t kMost = 64 * 1024 * 1024;

// A spare block of at least size bytes (and not far more), or null; *actual gets its size.
void* Take(size_t size, size_t* actual);
// Keeps a block of size bytes (from malloc) for later, or frees it.
void Give(void* block, size_t size);
} // namespace SpareBlocks

#endif // VELMORA_SPAREBLOCKS_H
