#include "app/processheap.h"

void ProcessHeap::releaseFreeMemory()
{
    // The Windows process heap is one heap for all threads and decommits
    // what is freed on its own.
}
