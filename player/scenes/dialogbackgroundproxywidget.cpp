#include "dialogbackgroundproxywidget.h"

#include <QEvent>

namespace VeskGames {

DialogBackgroundProxyWidget::DialogBackgroundProxyWidget(QGraphicsItem* parent) : QGraphicsProxyWidget(parent)
{}

DialogBackgroundProxyWidget::~DialogBackgroundProxyWidget() = default;

bool DialogBackgroundProxyWidget::sceneEvent(QEvent* event)
{
    QGraphicsProxyWidget::sceneEvent(event);
    event->accept();
    return true;
}

} // namespace VeskGames
