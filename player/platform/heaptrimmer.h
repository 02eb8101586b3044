#ifndef VESKGAMES_HEAPTRIMMER_H
#define VESKGAMES_HEAPTRIMMER_H

namespace VeskGames {

/// Hands memory the allocator keeps in its free lists back to the system.
/// A table that runs for hours frees and reallocates the same pixmaps and
/// strings hand after hand; without this the freed pages stay resident.
class HeapTrimmer
{
public:
    /// Releases free heap memory; does nothing where the allocator offers no way.
    static void releaseFreeMemory();
};

} // namespace VeskGames

#endif
