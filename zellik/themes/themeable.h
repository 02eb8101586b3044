#ifndef VESKGAMES_THEMEABLE_H
#define VESKGAMES_THEMEABLE_H

#include "zellik_export.h"

#include <QFlags>
#include <QObject>

namespace VeskGames {

class AbstractTheme;

/// Implemented by items and dialogs that take their look from the theme.
class ZELLIK_EXPORT Themeable
{
public:
    enum ThemeFlag { NoThemeFlags = 0x0, ThemeFont = 0x1, ThemePen = 0x2, ThemeBrush = 0x4 };
    Q_DECLARE_FLAGS(ThemeFlags, ThemeFlag)

    virtual ~Themeable();
    virtual void setTheme(AbstractTheme* theme) = 0;
    virtual void setThemeFlags(ThemeFlags flags);
};

} // namespace VeskGames

Q_DECLARE_OPERATORS_FOR_FLAGS(VeskGames::Themeable::ThemeFlags)
#define VeskGames_Themeable_iid "com.veskgames.Themable"
Q_DECLARE_INTERFACE(VeskGames::Themeable, VeskGames_Themeable_iid)

#endif
