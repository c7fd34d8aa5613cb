#include "app/processheap.h"

void ProcessHeap::shareOneHeap()
{
    // The Windows process heap is already one heap for all threads.
}
