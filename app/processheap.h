#ifndef PROCESSHEAP_H
#define PROCESSHEAP_H

// The process's memory allocator, as the program's threads leave it.
class ProcessHeap
{
public:
    // Hands memory that threads have freed back to the system. Called when
    // a short-lived thread is done: what it freed would otherwise stay
    // resident in its own heap for as long as the program runs.
    static void releaseFreeMemory();
};

#endif // PROCESSHEAP_H
