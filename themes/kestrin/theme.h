#ifndef VESKGAMES_KESTRIN_THEME_H
#define VESKGAMES_KESTRIN_THEME_H

#include "defaulttheme.h"

namespace VeskGames {

/// The partner's branded theme: the default table with the plug-in's own
/// resources, translation catalogue and configuration defaults.
class Theme : public DefaultTheme
{
    Q_OBJECT

public:
    Theme();
    ~Theme() override;

    static QString name();

    QStringList translations() override;
    QVariantMap defaultSettings() override;
    AbstractLoginDialogItem* createLoginDialogItem(AbstractPokerTableScene* scene) const override;
    AbstractBuyDialogItem* createBuyDialogItem(const QString& gameId, SliderMode mode,
                                               AbstractPokerTableScene* scene) const override;
    AbstractGameListDialogItem* createGameListDialogItem(Client* client, const QVariantMap& settings,
                                                         AbstractPokerTableScene* scene) const override;
    AbstractGameSceneSideButtons* createGameSceneSideButton() const override;
};

} // namespace VeskGames

#endif
