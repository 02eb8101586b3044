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
    /// Takes its preferred size and puts its centre on the scene's.
    void centerDialog();
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

private:
    void updateDimmer();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
