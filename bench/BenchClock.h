// The two clocks the benchmarks read: processor time of this thread, and wall time.
#ifndef VELMORA_BENCHCLOCK_H
#define VELMORA_BENCHCLOCK_H

#include <windows.h>

// Kernel and user time of the calling thread, in seconds.
inline double CpuSeconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    ULONGLONG k = ((ULONGLONG)ftKernel.dwHighDateTime << 32) | ftKernel.dwLowDateTime;
    ULONGLONG u = ((ULONGLONG)ftUser.dwHighDateTime << 32) | ftUser.dwLowDateTime;
    return (double)(k + u) / 1e7;
}

// The performance counter, in seconds.
inline double WallSeconds()
{
    static LARGE_INTEGER freq = {};
    if (freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

#endif // VELMORA_BENCHCLOCK_H
