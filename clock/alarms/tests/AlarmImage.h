// Archive bytes of alarm records and data files, written field by field from the stored layout
// (not by the product's code), for the alarm tests.
#ifndef VELMORA_ALARMIMAGE_H
#define VELMORA_ALARMIMAGE_H

#include <afx.h>
#include <string.h>

#include <string>
#include <vector>

struct AlarmImage
{
    std::vector<BYTE> b;
    AlarmImage& u8(BYTE v)
    {
        b.push_back(v);
        return *this;
    }
    AlarmImage& u16(WORD v) { return u8((BYTE)v).u8((BYTE)(v >> 8)); }
    AlarmImage& u32(DWORD v) { return u16((WORD)v).u16((WORD)(v >> 16)); }
    AlarmImage& f64(double d)
    {
        BYTE ab[8];
        memcpy(ab, &d, 8);
        for (BYTE x : ab)
            u8(x);
        return *this;
    }
    AlarmImage& str(const std::string& s)
    {
        if (s.size() < 255)
            u8((BYTE)s.size());
        else
            u8(0xFF).u16((WORD)s.size());
        for (char c : s)
            u8((BYTE)c);
        return *this;
    }
    AlarmImage& time(DWORD status, double d) { return u32(status).f64(d); }
    AlarmImage& classTag(WORD schema, const char* pszName)
    {
        u16(0xFFFF).u16(schema).u16((WORD)strlen(pszName));
        for (const char* p = pszName; *p; p++)
            u8((BYTE)*p);
        return *this;
    }
    AlarmImage& append(const std::vector<BYTE>& more)
    {
        b.insert(b.end(), more.begin(), more.end());
        return *this;
    }
};

// The fields of one stored alarm, with the record's defaults.
struct AlarmFields
{
    DWORD created = 1000000000, id = 7, state = 3;
    std::string name = "Tea";
    double activation = 45000.5;
    DWORD enabled = 1, repeat = 0, remove = 0, display = 1;
    std::string message = "Brew";
    DWORD playSound = 0;
    std::string sound = "Default Beep";
    DWORD runApp = 0;
    std::string command;
    DWORD minimised = 0;
    DWORD intervalStatus = 0;
    double interval = 0;
    DWORD cd = 0, track = 1, shutDown = 0, kind = 1, force = 0, speak = 0;

    // The body of the given schema.
    std::vector<BYTE> Body(int nSchema = 5) const
    {
        AlarmImage im;
        im.u32(created).u32(id).u32(state).str(name).time(0, activation);
        im.u32(enabled).u32(repeat).u32(remove).u32(display).str(message).u32(playSound).str(sound);
        im.u32(runApp).str(command).u32(minimised).time(intervalStatus, interval);
        if (nSchema >= 4)
            im.u32(cd).u32(track).u32(shutDown).u32(kind).u32(force);
        if (nSchema >= 5)
            im.u32(speak);
        return im.b;
    }
};

// A whole "Velmora2Dat" without clocks: version, no clocks, next id, the alarms.
inline std::vector<BYTE> DataFileOf(DWORD nNextId, const std::vector<AlarmFields>& alarms, int nSchema = 5)
{
    AlarmImage im;
    im.u32(1).u32(0).u32(nNextId).u32((DWORD)alarms.size());
    for (size_t i = 0; i < alarms.size(); i++)
    {
        if (i == 0)
            im.classTag((WORD)nSchema, "CAlarms");
        else
            im.u16(0x8001);
        im.append(alarms[i].Body(nSchema));
    }
    return im.b;
}

#endif // VELMORA_ALARMIMAGE_H
