#ifndef VESKGAMES_THEMEDGRAPHICSWIDGET_H
#define VESKGAMES_THEMEDGRAPHICSWIDGET_H

#include "themeable.h"
#include "zellik_export.h"

#include <QGraphicsWidget>

namespace VeskGames {

/// A graphics widget that hands its theme down to its themeable children.
class ZELLIK_EXPORT ThemedGraphicsWidget : public QGraphicsWidget, public Themeable
{
    Q_OBJECT
    Q_INTERFACES(VeskGames::Themeable)

public:
    explicit ThemedGraphicsWidget(QGraphicsItem* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~ThemedGraphicsWidget() override;

    void setTheme(AbstractTheme* theme) override;
    AbstractTheme* theme() const;

protected:
    /// Hands a language change on to changeEvent(), which graphics widgets
    /// otherwise never see: dialogs retranslate there.
    bool event(QEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
