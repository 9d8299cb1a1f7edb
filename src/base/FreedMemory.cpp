#include "base/FreedMemory.h"

#include <cstdlib>  // defines __GLIBC__ under the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
