#ifndef VESKGAMES_ABSTRACTPOKERTABLESCENE_H
#define VESKGAMES_ABSTRACTPOKERTABLESCENE_H

#include "zellik_export.h"

#include <QGraphicsScene>

class QGraphicsWidget;

namespace VeskGames {

class InfoDialogItem;

/// The scene the library's dialogs are given: every modal dialog of a table
/// goes through its stack, so that two never fight over the input.
class ZELLIK_EXPORT AbstractPokerTableScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit AbstractPokerTableScene(QObject* parent = nullptr);
    ~AbstractPokerTableScene() override;

    /// A new, hidden message box for this scene.
    virtual InfoDialogItem* createInfoDialog() = 0;
    virtual void pushDialog(QGraphicsWidget* dialog, bool visible) = 0;
    /// Shows \a dialog now, or when the dialogs open before it have closed.
    virtual void showDialog(QGraphicsWidget* dialog) = 0;
};

} // namespace VeskGames

#endif
