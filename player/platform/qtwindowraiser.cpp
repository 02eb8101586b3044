#include "windowraiser.h"

#include <QWidget>

namespace VeskGames {

WindowRaiser::~WindowRaiser() = default;

namespace {

// Top-most, then at once not top-most: the window ends up above the others
// but other windows may cover it again later.
class QtWindowRaiser : public WindowRaiser
{
public:
    void raise(QWidget* window) override
    {
        if (!window)
            return;
        const bool visible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (visible)
            window->show();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        if (visible)
            window->show();
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
