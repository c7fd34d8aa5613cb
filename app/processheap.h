#ifndef PROCESSHEAP_H
#define PROCESSHEAP_H

// How the process's memory allocator serves its threads. Called first
// thing in main(), before any thread starts.
class ProcessHeap
{
public:
    // Two heaps: the main thread's, and one its few helper threads share,
    // instead of one for every thread that ever allocates.
    static void limitArenas();
};

#endif // PROCESSHEAP_H
