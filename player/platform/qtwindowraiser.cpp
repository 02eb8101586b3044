#include "windowraiser.h"

#include <QWidget>

namespace VeskGames {

WindowRaiser::~WindowRaiser() = default;

namespace {

// Above the other windows, without pinning it there. The window's flags are
// left alone: changing them makes a new native window every time, which
// flickers and loses the window manager's placement.
class QtWindowRaiser : public WindowRaiser
{
public:
    void raise(QWidget* window) override
    {
        if (!window || !window->isVisible())
            return;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    }
};

} // namespace

std::unique_ptr<WindowRaiser> WindowRaiser::create()
{
    return std::make_unique<QtWindowRaiser>();
}

} // namespace VeskGames
