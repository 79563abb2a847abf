// One row of the table tools/bench.sh prints: a line "row", then tab-separated the measurement, our
// value, its unit, the reference's name, the reference's value, the goal and a note. tools/bench.sh
// gathers these lines from every benchmark program it does not run in a way of its own, so that a
// new benchmark joins the table by printing them. The unit says which way is better ("MB/s": higher;
// anything else, a time or a size: lower). A goal is "<= x" or ">= x" on the ratio, the same with a
// unit ("<= 0.05 ms") on our value itself, or "-".
#ifndef VELMORA_BENCHROW_H
#define VELMORA_BENCHROW_H

#include <stdio.h>

inline void PrintBenchRow(const char* pszName, double dOurs, const char* pszUnit, const char* pszRefName,
                          double dRef, const char* pszGoal, const char* pszNote = "")
{
    printf("row\t%s\t%.6f\t%s\t%s\t%.6f\t%s\t%s\n", pszName, dOurs, pszUnit, pszRefName, dRef, pszGoal,
           pszNote);
    fflush(stdout);
}

#endif // VELMORA_BENCHROW_H
