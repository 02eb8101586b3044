#ifndef VESKGAMES_THEMEDDIALOGITEM_H
#define VESKGAMES_THEMEDDIALOGITEM_H

#include "themedgraphicswidget.h"
#include "zellik_export.h"

#include <QDialogButtonBox>

#include <memory>

class QGraphicsRectItem;

namespace VeskGames {

class Client;
class DialogButtonBoxItem;
class LabelItem;
class PushButtonItem;

/// A dialog floating over the table: above everything else, taking all input
/// from what lies below, optionally dimming the table, on a rounded panel.
class ZELLIK_EXPORT ThemedDialogItem : public ThemedGraphicsWidget
{
    Q_OBJECT

public:
    explicit ThemedDialogItem(QGraphicsItem* parent = nullptr);
    ~ThemedDialogItem() override;

    /// The server link the dialog may use for requests of its own; not owned.
    void setClient(Client* client);
    Client* client() const;
    void setUseDimmer(bool use);
    bool useDimmer() const;
    /// The dimmer while it is shown, else null; drawn just below the dialog.
    QGraphicsRectItem* dimmer() const;
    /// Takes its preferred size and puts its centre on the scene's. Dialogs
    /// with a place of their own (a lobby beside its side buttons) say so here.
    virtual void centerDialog();
    /// The button Return and Enter press when no other button has the focus.
    void setDefaultButton(PushButtonItem* button);
    PushButtonItem* defaultButton() const;
    /// The button Escape presses.
    void setEscapeButton(PushButtonItem* button);
    PushButtonItem* escapeButton() const;
    /// Puts the keyboard focus where the player starts: the first text field,
    /// else the default button, else the first button that takes the focus.
    virtual void focusFirst();
    /// The dialog's heading, in the look every dialog shares.
    LabelItem* createTitle(const QString& text = QString());
    /// Clicks sound; with \a closes they also close the dialog.
    void setupButton(PushButtonItem* button, bool closes);
    /// A named button of \a box with the clicks' sound; its text comes later.
    PushButtonItem* addBoxButton(DialogButtonBoxItem* box, const char* objectName,
                                 QDialogButtonBox::ButtonRole role);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

public Q_SLOTS:
    void slotButtonClicked();

Q_SIGNALS:
    void actionClose();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateDimmer();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
