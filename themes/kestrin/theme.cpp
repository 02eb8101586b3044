#include "theme.h"

#include "abstractpokertablescene.h"
#include "chinesebuydialogitem.h"
#include "chinesegamelistdialogitem.h"
#include "chinesegamescenesidebuttons.h"
#include "chineselogindialogitem.h"
#include "localresources.h"

#include <QtGlobal>

static void initKestrinResources()
{
    Q_INIT_RESOURCE(kestrin);
}

static void cleanupKestrinResources()
{
    Q_CLEANUP_RESOURCE(kestrin);
}

namespace VeskGames {

namespace {
const QString kSearchPath = QStringLiteral(":/kestrin");
const QString kTicketPlaceholder = QStringLiteral("VeskGames::Ticket");
const QString kSite = QStringLiteral("https://www.kestrin-poker.example");
// Themes made one after another overlap: the path goes with the last of them.
int s_themes = 0;
} // namespace

Theme::Theme()
{
    if (s_themes++ > 0)
        return;
    initKestrinResources();
    // Our files shadow the program's: this path is searched first.
    QStringList paths = LocalResources::searchPaths();
    paths.prepend(kSearchPath);
    LocalResources::setSearchPaths(paths);
}

Theme::~Theme()
{
    if (--s_themes > 0)
        return;
    QStringList paths = LocalResources::searchPaths();
    paths.removeAll(kSearchPath);
    LocalResources::setSearchPaths(paths);
    cleanupKestrinResources();
}

QString Theme::name()
{
    return QStringLiteral("KestrinTheme");
}

QStringList Theme::translations()
{
    return DefaultTheme::translations() << QStringLiteral("kestrin");
}

QVariantMap Theme::defaultSettings()
{
    return {
        {QStringLiteral("windowTitle"), QStringLiteral("红隼扑克")},
        {QStringLiteral("urlNewPromotions"), kSite + QStringLiteral("/promotions")},
        {QStringLiteral("urlPokerSchool"), kSite + QStringLiteral("/school")},
        {QStringLiteral("urlSignup"), kSite + QStringLiteral("/register")},
        {QStringLiteral("urlLoginNews"), kSite + QStringLiteral("/news")},
        {QStringLiteral("urlLostPassword"), kSite + QStringLiteral("/password")},
        {QStringLiteral("urlBuyin"), kSite + QStringLiteral("/account?ticket=") + kTicketPlaceholder},
        {QStringLiteral("urlLobby"), kSite + QStringLiteral("/lobby?ticket=") + kTicketPlaceholder},
        {QStringLiteral("featureAutoReBuyin"), true},
        {QStringLiteral("featureChipsIsDefault"), true},
        {QStringLiteral("featureKeepHoleCards"), true},
        {QStringLiteral("featureOptionStayWatch"), true},
        {QStringLiteral("amountDecimalsBelow"), 0},
        // The partner's players come through its portal: a nickname at the first log-in.
        {QStringLiteral("portalPartnerName"), QStringLiteral("kestrin")},
    };
}

AbstractLoginDialogItem* Theme::createLoginDialogItem(AbstractPokerTableScene*) const
{
    // The caller puts it in its scene.
    auto* dialog = new ChineseLoginDialogItem;
    dialog->setTheme(const_cast<Theme*>(this));
    return dialog;
}

AbstractBuyDialogItem* Theme::createBuyDialogItem(const QString& gameId, SliderMode mode,
                                                  AbstractPokerTableScene* scene) const
{
    auto* theme = const_cast<Theme*>(this);
    auto* dialog = new ChineseBuyDialogItem(gameId, mode, chipRenderThread(), theme);
    if (scene) {
        scene->addItem(dialog);
        dialog->centerDialog();
    }
    return dialog;
}

AbstractGameListDialogItem* Theme::createGameListDialogItem(Client* client, const QVariantMap& settings,
                                                            AbstractPokerTableScene* scene) const
{
    auto* dialog = new ChineseGameListDialogItem(settings);
    dialog->setTheme(const_cast<Theme*>(this));
    dialog->setClient(client);
    if (scene) {
        scene->addItem(dialog);
        dialog->placeInScene();
    }
    return dialog;
}

AbstractGameSceneSideButtons* Theme::createGameSceneSideButton() const
{
    return new ChineseGameSceneSideButtons(nullptr, const_cast<Theme*>(this));
}

} // namespace VeskGames
