#include "app/processheap.h"

#include <cstdlib>  // defines __GLIBC__ with the C library's other headers
#ifdef __GLIBC__
#include <malloc.h>
#endif

void ProcessHeap::releaseFreeMemory()
{
#ifdef __GLIBC__
    // glibc gives each thread that allocates a heap (arena) of its own, so
    // that threads do not wait on one lock: the start's worker and the
    // main thread both allocate busily at once. What the worker has freed
    // by the time it ends stays resident in its arena unless trimmed.
    malloc_trim(0);
#endif
}
