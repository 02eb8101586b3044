#include "playeroptionsdialogitem.h"

#include "abstracttheme.h"
#include "avatarwheelitem.h"
#include "holecardsitem.h"
#include "labelitem.h"
#include "playergamescene.h"
#include "pushbuttonitem.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsGridLayout>
#include <QGraphicsLinearLayout>

#include <array>

namespace VeskGames {

class PlayerOptionsDialogItem::Private
{
public:
    LabelItem* title = nullptr;
    AvatarWheelItem* wheel = nullptr;
    PushButtonItem* left = nullptr;
    PushButtonItem* right = nullptr;
    PushButtonItem* history = nullptr;
    PushButtonItem* close = nullptr;
    std::array<PushButtonItem*, ToggleCount> toggles{};
};

PlayerOptionsDialogItem::PlayerOptionsDialogItem(PlayerGameScene* scene)
    : ThemedDialogItem(nullptr), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("PlayerOptionsDialog"));
    AbstractTheme* t = scene->theme();
    setTheme(t);
    d->title = createTitle();
    const auto button = [this, t, scene](AbstractTheme::ImageType up, AbstractTheme::ImageType down) {
        auto* item = new PushButtonItem(this);
        item->setThemeImages(t, up, down);
        item->setMinimumSize(item->preferredSize());
        item->setMaximumSize(item->preferredSize());
        setupButton(item, false);
        connect(item, &PushButtonItem::playSound, scene, qOverload<qint32>(&PlayerGameScene::slotPlaySound));
        return item;
    };
    d->wheel = new AvatarWheelItem(this);
    d->wheel->setCurrentAvatarId(scene->avatarId());
    connect(d->wheel, &AvatarWheelItem::avatarSelected, scene, qOverload<int>(&PlayerGameScene::setAvatarId));
    d->left = button(AbstractTheme::ImageSmallestButton, AbstractTheme::ImageSmallestButtonDown);
    d->right = button(AbstractTheme::ImageSmallestButton, AbstractTheme::ImageSmallestButtonDown);
    connect(d->left, &PushButtonItem::clicked, d->wheel, &AvatarWheelItem::prev);
    connect(d->right, &PushButtonItem::clicked, d->wheel, &AvatarWheelItem::next);

    const std::array<bool, ToggleCount> checked = {scene->showAvatars(),
                                                   scene->betMethod() == PlayerGameScene::BetChips,
                                                   scene->holeCards()->isShownMode(),
                                                   scene->muteSound(),
                                                   scene->useFourColourCards(),
                                                   scene->stayFold()};
    for (int i = 0; i < ToggleCount; ++i) {
        PushButtonItem* item = button(AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
        item->setCheckable(true);
        item->setChecked(checked[size_t(i)]);
        d->toggles[size_t(i)] = item;
    }
    connect(d->toggles[ToggleAvatars], &PushButtonItem::toggled, scene,
            qOverload<bool>(&PlayerGameScene::setShowAvatars));
    connect(d->toggles[ToggleChips], &PushButtonItem::toggled, scene,
            qOverload<bool>(&PlayerGameScene::setUseKioskSlider));
    connect(d->toggles[ToggleHoleCards], &PushButtonItem::toggled, scene,
            qOverload<bool>(&PlayerGameScene::setShowHoleCards));
    connect(d->toggles[ToggleMute], &PushButtonItem::toggled, scene,
            qOverload<bool>(&PlayerGameScene::setMuteSound));
    connect(d->toggles[ToggleFourColour], &PushButtonItem::toggled, scene,
            qOverload<bool>(&PlayerGameScene::setUseFourColourCards));
    connect(d->toggles[ToggleStay], &PushButtonItem::toggled, scene,
            qOverload<bool>(&PlayerGameScene::setStayFold));
    const bool offerStay = qApp && qApp->property("inifeatureoptionstaywatch").toBool();
    d->toggles[ToggleStay]->setVisible(offerStay);

    d->history = button(AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
    connect(d->history, &PushButtonItem::clicked, scene, &PlayerGameScene::actionGameHistory);
    d->close = button(AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
    connect(d->close, &PushButtonItem::clicked, this, [this] {
        hide();
        Q_EMIT actionClose();
    });
    setEscapeButton(d->close);

    auto* wheelRow = new QGraphicsLinearLayout(Qt::Horizontal);
    wheelRow->addItem(d->left);
    wheelRow->addItem(d->wheel);
    wheelRow->addItem(d->right);
    wheelRow->setAlignment(d->left, Qt::AlignVCenter);
    wheelRow->setAlignment(d->right, Qt::AlignVCenter);
    auto* grid = new QGraphicsGridLayout;
    grid->setSpacing(10);
    int cell = 0;
    for (PushButtonItem* item : d->toggles) {
        if (item->isVisible()) {
            grid->addItem(item, cell / 2, cell % 2);
            ++cell;
        }
    }
    if (cell % 2 == 0) // alone on its row: in the middle of it
        grid->addItem(d->history, cell / 2, 0, 1, 2, Qt::AlignHCenter);
    else
        grid->addItem(d->history, cell / 2, 1);
    // The grid keeps its buttons' size: the row's stretches centre it.
    auto* gridRow = new QGraphicsLinearLayout(Qt::Horizontal);
    gridRow->addStretch();
    gridRow->addItem(grid);
    gridRow->addStretch();
    auto* closeRow = new QGraphicsLinearLayout(Qt::Horizontal);
    closeRow->addStretch();
    closeRow->addItem(d->close);
    closeRow->addStretch();
    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(12);
    layout->addItem(d->title);
    layout->addItem(wheelRow);
    layout->addItem(gridRow);
    layout->addItem(closeRow);
    retranslateUi();
    adjustSize();
}

PlayerOptionsDialogItem::~PlayerOptionsDialogItem() = default;

void PlayerOptionsDialogItem::retranslateUi()
{
    d->title->setText(tr("Options"));
    d->left->setText(tr("<-"));
    d->right->setText(tr("->"));
    d->history->setText(tr("Hand History"));
    d->close->setText(tr("Close"));
    const std::array<std::pair<QString, QString>, ToggleCount> texts = {{
        {tr("Show Avatars"), tr("Hide Avatars")},
        {tr("Use Chips To Bet"), tr("Use Slider To Bet")},
        {tr("Show Holecards"), tr("Hide Holecards")},
        {tr("Mute Sounds"), tr("Play Sounds")},
        {tr("Four-Colour Deck"), tr("Two-Colour Deck")},
        {tr("Stay and watch"), tr("Join new game")},
    }};
    for (int i = 0; i < ToggleCount; ++i) {
        d->toggles[size_t(i)]->setText(texts[size_t(i)].first);
        d->toggles[size_t(i)]->setCheckedText(texts[size_t(i)].second);
    }
}

void PlayerOptionsDialogItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    ThemedDialogItem::changeEvent(event);
}

PushButtonItem* PlayerOptionsDialogItem::toggle(Toggle which) const
{
    return which >= 0 && which < ToggleCount ? d->toggles[size_t(which)] : nullptr;
}

PushButtonItem* PlayerOptionsDialogItem::historyButton() const
{
    return d->history;
}

PushButtonItem* PlayerOptionsDialogItem::closeButton() const
{
    return d->close;
}

AvatarWheelItem* PlayerOptionsDialogItem::avatarWheel() const
{
    return d->wheel;
}

} // namespace VeskGames
