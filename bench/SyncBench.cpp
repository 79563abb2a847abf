// SyncBench: the SNTP client's offset and round-trip delay over a series of queries to one server
// (the loopback chrony of bench/run_sync_bench.sh), as median and spread. The server reads the same
// clock as this program, so the true offset is 0: what is printed is the client's own error.
#include <afx.h>

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <vector>

#include "SntpClient.h"

namespace
{
double Quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    size_t i = (size_t)(q * (double)(v.size() - 1) + 0.5);
    return v[i];
}

void Print(const char* pszWhat, const std::vector<double>& v)
{
    printf("%s: median %.6f ms, p10 %.6f ms, p90 %.6f ms, min %.6f ms, max %.6f ms\n", pszWhat,
           Quantile(v, 0.5) * 1e3, Quantile(v, 0.1) * 1e3, Quantile(v, 0.9) * 1e3, Quantile(v, 0.0) * 1e3,
           Quantile(v, 1.0) * 1e3);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        fprintf(stderr, "usage: SyncBench port [queries]\n");
        return 2;
    }
    UINT nPort = (UINT)atoi(argv[1]);
    int nQueries = argc > 2 ? atoi(argv[2]) : 100;
    std::vector<double> offsets, delays;
    int nFailed = 0;
    CSntpClient client;
    client.m_dwTimeout = 2000;
    for (int i = 0; i < nQueries; i++)
    {
        CNtpServerResponse response;
        if (client.QueryServer("127.0.0.1", response, nPort))
        {
            offsets.push_back(response.m_dOffset);
            delays.push_back(response.m_dDelay);
        }
        else
            nFailed++;
        // chrony answers one client at most every 1/16 s (its smallest rate limit, set by the script).
        ::Sleep(70);
    }
    printf("queries: %d answered, %d failed\n", (int)offsets.size(), nFailed);
    if (offsets.empty())
        return 1;
    Print("velmora offset", offsets);
    Print("velmora delay", delays);
    return 0;
}
