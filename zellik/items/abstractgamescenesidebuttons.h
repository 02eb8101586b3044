#ifndef VESKGAMES_ABSTRACTGAMESCENESIDEBUTTONS_H
#define VESKGAMES_ABSTRACTGAMESCENESIDEBUTTONS_H

#include "abstracttheme.h"
#include "zellik_export.h"

#include <QObject>

#include <memory>

class QGraphicsScene;

namespace VeskGames {

class PushButtonItem;

/// The column of buttons at the right edge of the table or the lobby. Each
/// click goes out as the action of its button's type; the visible buttons
/// take the theme's side-button places in order.
class ZELLIK_EXPORT AbstractGameSceneSideButtons : public QObject
{
    Q_OBJECT

public:
    enum SideButtonType {
        JoinNewGame = 0,
        StayAndWatch,
        Options,
        Return,
        SitOut,
        Payout,
        BuyChips,
        Close,
        Cashier,
        HandHistory,
        Quit,
        NewPromotions, ///< web links a theme may add
        PokerSchool
    };
    Q_ENUM(SideButtonType)

    AbstractGameSceneSideButtons(QGraphicsScene* scene, AbstractTheme* theme, QObject* parent = nullptr);
    ~AbstractGameSceneSideButtons() override;

    /// The buttons move to \a scene (the theme makes a set before the table exists).
    void setScene(QGraphicsScene* scene);
    QGraphicsScene* scene() const;
    AbstractTheme* theme() const;
    /// The buttons in the order they fill the places.
    QList<PushButtonItem*> sideButtons() const;
    /// The theme's places for them, top to bottom.
    virtual QList<AbstractTheme::ItemPosition> itemPositions() const;
    /// Null for a type this set does not have.
    PushButtonItem* sideButton(SideButtonType type) const;
    void setButtonVisible(SideButtonType type, bool visible);
    /// Puts the visible buttons on the places, in order; those left over hide.
    void layoutButtons();
    virtual void retranslateUi() = 0;

Q_SIGNALS:
    void sideButtonClicked(VeskGames::AbstractGameSceneSideButtons::SideButtonType type);

protected:
    /// Made with the theme's side-button images, put in the scene.
    PushButtonItem* addButton(SideButtonType type, bool visible = true);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
