#ifndef PROCESSHEAP_H
#define PROCESSHEAP_H

// How the process's memory allocator serves its threads. Called first
// thing in main(), before any thread starts.
class ProcessHeap
{
public:
    // One heap for all threads: what a short-lived thread frees stays
    // usable by the others instead of resident in a heap of its own.
    static void shareOneHeap();
};

#endif // PROCESSHEAP_H
