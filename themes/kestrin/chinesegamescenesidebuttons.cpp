#include "chinesegamescenesidebuttons.h"

#include "abstractpokertablescene.h"
#include "externallinkpage.h"
#include "infodialogitem.h"
#include "pushbuttonitem.h"

#include <QCoreApplication>
#include <QUrl>

namespace VeskGames {

ChineseGameSceneSideButtons::ChineseGameSceneSideButtons(QGraphicsScene* scene, AbstractTheme* theme,
                                                         QObject* parent)
    : GameSceneSideButtons(scene, theme, parent)
{
    // Last in the column: when places run short, the links give way first.
    addButton(NewPromotions);
    addButton(PokerSchool);
    connect(this, &AbstractGameSceneSideButtons::sideButtonClicked, this,
            &ChineseGameSceneSideButtons::slotSideButtonClicked);
    retranslateUi();
    layoutButtons();
}

void ChineseGameSceneSideButtons::retranslateUi()
{
    GameSceneSideButtons::retranslateUi();
    // Made after the base's first call.
    if (PushButtonItem* promotions = sideButton(NewPromotions))
        promotions->setText(tr("New\npromotions"));
    if (PushButtonItem* school = sideButton(PokerSchool))
        school->setText(tr("Poker\nschool"));
}

QUrl ChineseGameSceneSideButtons::linkUrl(SideButtonType type)
{
    const char* key = type == NewPromotions ? "iniurlnewpromotions"
                      : type == PokerSchool ? "iniurlpokerschool"
                                            : nullptr;
    if (!key || !QCoreApplication::instance())
        return {};
    return ExternalLinkPage::webUrl(QCoreApplication::instance()->property(key).toString());
}

void ChineseGameSceneSideButtons::slotSideButtonClicked(SideButtonType type)
{
    const QUrl url = linkUrl(type);
    if (url.isEmpty() || ExternalLinkPage::openInBrowser(url))
        return;
    // No browser to be had (a kiosk, a bare desktop): the player is told where the page is.
    auto* stack = qobject_cast<AbstractPokerTableScene*>(scene());
    if (!stack)
        return;
    InfoDialogItem* notice = stack->createInfoDialog();
    notice->setText(tr("No web browser could be started for this page:\n%1").arg(url.toString()));
    notice->createButton(tr("OK"), QDialogButtonBox::AcceptRole, true);
    stack->pushDialog(notice, true);
}

} // namespace VeskGames
