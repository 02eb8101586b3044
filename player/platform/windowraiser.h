#ifndef VESKGAMES_WINDOWRAISER_H
#define VESKGAMES_WINDOWRAISER_H

#include <memory>

class QWidget;

namespace VeskGames {

/// Brings a window above all others without leaving it pinned there.
class WindowRaiser
{
public:
    virtual ~WindowRaiser();
    virtual void raise(QWidget* window) = 0;

    static std::unique_ptr<WindowRaiser> create();
};

} // namespace VeskGames

#endif
