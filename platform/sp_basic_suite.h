/* The basic suite handed to a plug-in at start: every other host service is acquired
 * through it by name and version. Our own declarations. */
#ifndef STRATA_PLATFORM_SP_BASIC_SUITE_H
#define STRATA_PLATFORM_SP_BASIC_SUITE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t SPErr;
typedef unsigned char SPBoolean;

enum { kSPNoError = 0, kSPSuiteNotFoundError = 0x53214664 /* 'S!Fd' */ };

typedef struct SPBasicSuite {
    /* Gives the suite's function table for name and version; an error and null when the host
     * has no such suite. */
    SPErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
    /* Gives back a suite acquired under the same name and version. */
    SPErr (*ReleaseSuite)(const char* name, int32_t version);
    /* Non-zero when the two names are equal. */
    SPBoolean (*IsEqual)(const char* a, const char* b);
} SPBasicSuite;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_SP_BASIC_SUITE_H */
