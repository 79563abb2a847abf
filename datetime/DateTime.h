// The date and time value classes: CDate, CLTimeSpan, CLTimeOfDay and CLDate.
#ifndef VELMORA_DATETIME_DATETIME_H
#define VELMORA_DATETIME_DATETIME_H

#include "Date.h"
#include "LTimeSpan.h"
#include "LTimeOfDay.h"
#include "LDate.h"

#endif // VELMORA_DATETIME_DATETIME_H
