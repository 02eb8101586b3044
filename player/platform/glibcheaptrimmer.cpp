#include "heaptrimmer.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace VeskGames {

void HeapTrimmer::releaseFreeMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace VeskGames
