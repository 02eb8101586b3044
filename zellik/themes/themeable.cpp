#include "themeable.h"
#include "abstractthemefactory.h"

namespace VeskGames {

Themeable::~Themeable() = default;

void Themeable::setThemeFlags(ThemeFlags) {}

AbstractThemeFactory::~AbstractThemeFactory() = default;

} // namespace VeskGames
