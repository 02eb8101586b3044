#ifndef VESKGAMES_SINGLEINSTANCE_H
#define VESKGAMES_SINGLEINSTANCE_H

#include <QString>

#include <memory>

namespace VeskGames {

/// Makes sure only one process per user runs under an identifier. The claim
/// is a lock file (a claim left by a killed process is taken over) plus a
/// local server that announces the running instance.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& identifier);
    ~SingleInstance();

    /// True when this process now holds the claim (or already held it).
    bool claim();
    bool isClaimed() const;
    /// Gives the claim up, e.g. before the program starts itself again.
    void release();

    /// True when some process holds the claim for \a identifier.
    static bool isRunning(const QString& identifier);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
