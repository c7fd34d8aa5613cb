#include "app/processheap.h"

void ProcessHeap::limitArenas()
{
    // The Windows process heap is already one heap for all threads.
}
