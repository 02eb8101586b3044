#include "themedgraphicswidget.h"

#include <QEvent>

namespace VeskGames {

class ThemedGraphicsWidget::Private
{
public:
    AbstractTheme* theme = nullptr;
};

ThemedGraphicsWidget::ThemedGraphicsWidget(QGraphicsItem* parent, Qt::WindowFlags flags)
    : QGraphicsWidget(parent, flags), d(std::make_unique<Private>())
{}

ThemedGraphicsWidget::~ThemedGraphicsWidget() = default;

void ThemedGraphicsWidget::setTheme(AbstractTheme* theme)
{
    // The theme may bring other sizes.
    prepareGeometryChange();
    d->theme = theme;
    const QList<QGraphicsItem*> children = childItems();
    for (QGraphicsItem* child : children) {
        if (auto* themeable = qobject_cast<Themeable*>(child->toGraphicsObject()))
            themeable->setTheme(theme);
    }
}

AbstractTheme* ThemedGraphicsWidget::theme() const
{
    return d->theme;
}

bool ThemedGraphicsWidget::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        changeEvent(event);
    return QGraphicsWidget::event(event);
}

} // namespace VeskGames
