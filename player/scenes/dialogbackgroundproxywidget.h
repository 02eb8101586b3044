#ifndef VESKGAMES_DIALOGBACKGROUNDPROXYWIDGET_H
#define VESKGAMES_DIALOGBACKGROUNDPROXYWIDGET_H

#include <QGraphicsProxyWidget>

namespace VeskGames {

/// The layer behind a widget dialog: it swallows every event that reaches
/// it, so nothing on the dimmed table below can be clicked.
class DialogBackgroundProxyWidget : public QGraphicsProxyWidget
{
    Q_OBJECT

public:
    explicit DialogBackgroundProxyWidget(QGraphicsItem* parent = nullptr);
    ~DialogBackgroundProxyWidget() override;

protected:
    bool sceneEvent(QEvent* event) override;
};

} // namespace VeskGames

#endif
