// Build-time tool: writes the programs' time-zone file from the zone table, through the same
// record and archive code with which Torvane saves it.
// Usage: MakeZoneFile TABLE OUTPUT
#include <stdio.h>

#include "TimeZoneInfo.h"
#include "ZoneRules.h"
#include "ZoneTable.h"

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        fprintf(stderr, "usage: MakeZoneFile TABLE OUTPUT\n");
        return 2;
    }
    FILE* table = fopen(argv[1], "r");
    if (table == NULL)
    {
        fprintf(stderr, "MakeZoneFile: cannot read %s\n", argv[1]);
        return 1;
    }
    CObArray zones;
    char line[1024];
    int nLine = 0;
    BOOL bOk = TRUE;
    while (fgets(line, sizeof(line), table) != NULL)
    {
        nLine++;
        CTimeZoneInfo* pZone = new CTimeZoneInfo;
        if (!ParseZoneTableLine(line, *pZone))
        {
            fprintf(stderr, "MakeZoneFile: %s:%d: not a zone: %s", argv[1], nLine, line);
            delete pZone;
            bOk = FALSE;
            continue;
        }
        zones.Add(pZone);
    }
    fclose(table);
    if (bOk && zones.GetSize() == 0)
    {
        fprintf(stderr, "MakeZoneFile: %s holds no zones\n", argv[1]);
        bOk = FALSE;
    }
    if (bOk)
    {
        CException* pError = NULL;
        if (!CTimeZoneInfo::WriteZoneFile(argv[2], zones, &pError))
        {
            TCHAR szMessage[512] = "";
            if (pError != NULL)
            {
                pError->GetErrorMessage(szMessage, 512);
                pError->Delete();
            }
            fprintf(stderr, "MakeZoneFile: cannot write %s: %s\n", argv[2], szMessage);
            bOk = FALSE;
        }
    }
    DeleteZones(zones);
    return bOk ? 0 : 1;
}
