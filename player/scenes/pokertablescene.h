#ifndef VESKGAMES_POKERTABLESCENE_H
#define VESKGAMES_POKERTABLESCENE_H

#include "abstractpokertablescene.h"

#include <memory>

namespace VeskGames {

class AbstractTheme;
class DialogBase;

/// A screen of the program: its design area, and the one stack of modal
/// dialogs every dialog goes through; dialogs asked for while another is
/// open wait in a queue.
class PokerTableScene : public AbstractPokerTableScene
{
    Q_OBJECT

public:
    PokerTableScene(QObject* parent, AbstractTheme* theme);
    ~PokerTableScene() override;

    AbstractTheme* theme() const;
    InfoDialogItem* createInfoDialog() override;
    void pushDialog(QGraphicsWidget* dialog, bool visible) override;
    void pushDialog(DialogBase* dialog);
    void showDialog(QGraphicsWidget* dialog) override;
    QGraphicsWidget* topDialog() const;
    DialogBase* topWidgetDialog() const;
    int dialogCount() const;
    int queuedDialogCount() const;
    void clearDialogs();

    virtual QString tableImageName() const;
    virtual void setupScene();

public Q_SLOTS:
    void popDialog();

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    bool event(QEvent* event) override;

private:
    void present(QGraphicsWidget* dialog);
    void showEntry(int index);
    void hideTop();
    void closeTop();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
