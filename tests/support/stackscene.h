#ifndef VESKTEST_STACKSCENE_H
#define VESKTEST_STACKSCENE_H

// A table scene's dialog stack at its simplest, for the library's dialogs
// without the program: the top dialog shown, the ones below hidden.
#include "abstractpokertablescene.h"
#include "infodialogitem.h"

#include <QGraphicsWidget>
#include <QList>

namespace TestSupport {

class StackScene : public VeskGames::AbstractPokerTableScene
{
public:
    StackScene() { setSceneRect(0, 0, 1024, 768); }

    VeskGames::InfoDialogItem* createInfoDialog() override
    {
        auto* dialog = new VeskGames::InfoDialogItem;
        addItem(dialog);
        dialog->hide();
        return dialog;
    }

    void pushDialog(QGraphicsWidget* dialog, bool visible) override
    {
        if (!stack.isEmpty())
            stack.last()->hide();
        if (dialog->scene() != this)
            addItem(dialog);
        stack.append(dialog);
        dialog->setVisible(visible);
    }

    void showDialog(QGraphicsWidget* dialog) override { pushDialog(dialog, true); }

    QList<QGraphicsWidget*> stack;
};

} // namespace TestSupport

#endif
