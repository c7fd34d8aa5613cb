#include "app/processheap.h"

#include <cstdlib>  // defines __GLIBC__ with the C library's other headers
#ifdef __GLIBC__
#include <malloc.h>
#endif

void ProcessHeap::limitArenas()
{
#ifdef __GLIBC__
    // glibc gives each thread that allocates an arena of its own (up to
    // eight per core), and what it keeps there stays scattered over a heap
    // of its own for the life of the process. The program's threads
    // allocate little (the start's picture worker, the desktop bus, the
    // sound player) while the program runs all day, so they share one
    // arena. The main thread keeps its own: at the start two of them read
    // the font configuration and build the cipher's tables, both made of
    // many small blocks, while the main thread builds the window, and one
    // lock for all would cost the start 3 to 5 ms. The second arena costs
    // about 0.1 MiB, shown or hidden: what the helpers keep is mostly the
    // font configuration, which stays for the run either way.
    mallopt(M_ARENA_MAX, 2);
#endif
}
