#include "abstractgamescenesidebuttons.h"

#include "pushbuttonitem.h"

#include <QGraphicsScene>
#include <QPointer>

namespace VeskGames {

class AbstractGameSceneSideButtons::Private
{
public:
    QPointer<QGraphicsScene> scene;
    AbstractTheme* theme = nullptr;
    QList<QPair<SideButtonType, PushButtonItem*>> buttons;
    QSet<SideButtonType> hidden;
    bool everInScene = false;
};

AbstractGameSceneSideButtons::AbstractGameSceneSideButtons(QGraphicsScene* scene, AbstractTheme* theme,
                                                           QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->scene = scene;
    d->everInScene = scene != nullptr;
    d->theme = theme;
}

AbstractGameSceneSideButtons::~AbstractGameSceneSideButtons()
{
    // The buttons live in the scene; they go with their set unless the scene went
    // first. Buttons never put in a scene are only ours.
    if (d->scene || !d->everInScene) {
        for (const auto& entry : std::as_const(d->buttons))
            delete entry.second;
    }
}

void AbstractGameSceneSideButtons::setScene(QGraphicsScene* scene)
{
    if (scene == d->scene)
        return;
    for (const auto& entry : std::as_const(d->buttons)) {
        if (QGraphicsScene* old = entry.second->scene())
            old->removeItem(entry.second);
        if (scene)
            scene->addItem(entry.second);
    }
    d->scene = scene;
    if (scene) {
        d->everInScene = true;
        layoutButtons();
    }
}

QGraphicsScene* AbstractGameSceneSideButtons::scene() const
{
    return d->scene;
}

AbstractTheme* AbstractGameSceneSideButtons::theme() const
{
    return d->theme;
}

QList<PushButtonItem*> AbstractGameSceneSideButtons::sideButtons() const
{
    QList<PushButtonItem*> result;
    for (const auto& entry : std::as_const(d->buttons))
        result.append(entry.second);
    return result;
}

QList<AbstractTheme::ItemPosition> AbstractGameSceneSideButtons::itemPositions() const
{
    // The right-edge column from the top.
    return {AbstractTheme::PositionSideButton1, AbstractTheme::PositionSideButton2,
            AbstractTheme::PositionSideButton3, AbstractTheme::PositionSideButton4,
            AbstractTheme::PositionSideButton5, AbstractTheme::PositionSideButton6};
}

PushButtonItem* AbstractGameSceneSideButtons::sideButton(SideButtonType type) const
{
    for (const auto& entry : std::as_const(d->buttons)) {
        if (entry.first == type)
            return entry.second;
    }
    return nullptr;
}

void AbstractGameSceneSideButtons::setButtonVisible(SideButtonType type, bool visible)
{
    if (visible)
        d->hidden.remove(type);
    else
        d->hidden.insert(type);
    layoutButtons();
}

void AbstractGameSceneSideButtons::layoutButtons()
{
    const QList<AbstractTheme::ItemPosition> places = itemPositions();
    int next = 0;
    for (const auto& [type, button] : std::as_const(d->buttons)) {
        const bool shown = !d->hidden.contains(type) && next < places.size();
        if (shown && d->theme)
            button->setPos(d->theme->itemPosition(places.at(next)));
        next += shown ? 1 : 0;
        button->setVisible(shown);
    }
}

PushButtonItem* AbstractGameSceneSideButtons::addButton(SideButtonType type, bool visible)
{
    auto* button = new PushButtonItem;
    button->setThemeImages(d->theme, AbstractTheme::ImageSideButton, AbstractTheme::ImageSideButtonDown);
    if (d->theme)
        button->resize(button->preferredSize());
    button->setZValue(900);
    if (d->scene)
        d->scene->addItem(button);
    connect(button, &PushButtonItem::clicked, this, [this, type] { Q_EMIT sideButtonClicked(type); });
    connect(button, &PushButtonItem::playSound, this, [this](qint32 sound) {
        if (d->theme)
            d->theme->playSound(AbstractTheme::AudioType(sound), false);
    });
    d->buttons.append({type, button});
    if (!visible)
        d->hidden.insert(type);
    return button;
}

} // namespace VeskGames
