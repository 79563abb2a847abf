/* Resource ids of clock_start_ref. */
#ifndef VELMORA_CLOCK_START_REF_H
#define VELMORA_CLOCK_START_REF_H

#define IDD_CLOCK_START_REF 100

#endif /* VELMORA_CLOCK_START_REF_H */
