#include "partnerpages.h"

#include "accountstore.h"
#include "pagedocument.h"
#include "pokerserver.h"
#include "table.h"
#include "tableconfig.h"
#include "ticketstore.h"

#include <QUrl>
#include <QUrlQuery>

namespace Pokerd {

namespace {

using PageDocument::amount;

const QString kPrefix = QStringLiteral("/partner/");
const QString kTicketField = QStringLiteral("ticket");

const QString kFooter = QStringLiteral("红隼扑克 \u00b7 本地服务器 pokerd \u00b7 "
                                       "<a href=\"/partner/school\">扑克学堂</a> \u00b7 "
                                       "<a href=\"/help\">Help</a>");

// The login's news pane is narrow: a page of its own, without the card frame.
const char kNewsStyle[] = R"(
* { box-sizing: border-box; }
html, body { margin: 0; background: #2a0d0b; color: #f6e6cc; }
body { padding: 12px 14px; font: 14px/1.5 "Noto Sans CJK SC", "WenQuanYi Zen Hei", sans-serif; }
h1 { margin: 0 0 8px; font-size: 17px; color: #ffd98a; }
ul { margin: 0; padding: 0; list-style: none; }
li { padding: 8px 0; border-bottom: 1px solid rgba(255, 217, 138, .25); }
a { color: #ffe3a3; text-decoration: none; font-weight: 600; }
a:hover, a:focus-visible { text-decoration: underline; }
small { display: block; color: #d2b48c; font-size: 12px; }
)";

WebPages::Page page(const QString& title, const QString& content, const QString& bodyClass = QString())
{
    return WebPages::Page{
        200, "OK",
        PageDocument::document(title, content, bodyClass, QStringLiteral("zh-CN"), kFooter).toUtf8()};
}

const PageDocument::TableWords kWords{QStringLiteral("德州扑克"),     QStringLiteral("奥马哈"),
                                      QStringLiteral("（底池限注）"), QStringLiteral("（无限注）"),
                                      QStringLiteral("，"),           QStringLiteral("前注 ")};

WebPages::Page news()
{
    const QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"referrer\" content=\"no-referrer\">\n<title>最新消息</title>\n<style>%1</style>\n"
            "</head>\n<body>\n<h1>最新消息</h1>\n<ul>\n"
            "<li><a href=\"/partner/promotions\">新手礼包：每个账户 1,000.00 筹码</a>"
            "<small>余额不足时，在“我的账户”一键补足</small></li>\n"
            "<li><a href=\"/partner/promotions#freeroll\">每晚免费锦标赛</a>"
            "<small>在大厅报名，开赛时自动入座</small></li>\n"
            "<li><a href=\"/partner/school\">扑克学堂：牌型大小一览</a>"
            "<small>从高牌到皇家同花顺</small></li>\n"
            "<li><a href=\"/partner/register\">还没有账号？立即注册</a>"
            "<small>首次登录时选择牌桌上显示的昵称</small></li>\n"
            "</ul>\n</body>\n</html>\n")
            .arg(QString::fromLatin1(kNewsStyle));
    return WebPages::Page{200, "OK", html.toUtf8()};
}

WebPages::Page lostPassword()
{
    return page(QStringLiteral("找回密码"),
                QStringLiteral("<p class=\"eyebrow\">账户</p>\n<h1>找回密码</h1>\n"
                               "<p class=\"lead\">本地服务器不发送邮件，密码由服务器管理员管理。</p>\n"
                               "<h2>演示账户</h2>\n<p>账户 <code>demo1</code> 至 <code>demo10</code> "
                               "的密码都是 <code>demo</code>。</p>\n"
                               "<h2>其他账户</h2>\n<p>请管理员用 <code>pokerd --users 文件</code> "
                               "重新设置密码，然后重新启动服务器。</p>"));
}

WebPages::Page signUp()
{
    return page(QStringLiteral("注册账号"),
                QStringLiteral(
                    "<p class=\"eyebrow\">注册</p>\n<h1>注册红隼扑克账号</h1>\n"
                    "<p class=\"lead\">本地服务器的账号由管理员添加；演示账号可以直接登录。</p>\n"
                    "<h2>第一次登录</h2>\n<p>通过红隼扑克第一次登录时，请为自己选择一个昵称。"
                    "牌桌上的其他玩家看到的是昵称，以后也可以用昵称登录。昵称由字母和数字组成，最多十个字符，"
                    "一经选定不能更改。</p>\n"
                    "<h2>添加账号</h2>\n<p>管理员用 <code>pokerd --users 文件</code> "
                    "添加账号，每个账号起始余额 %1。</p>\n"
                    "<p class=\"note\" lang=\"en\">Accounts on this server are added by its administrator "
                    "with <code>pokerd --users FILE</code>; the demo accounts need no sign-up.</p>")
                    .arg(amount(AccountStore::DefaultStarting)));
}

WebPages::Page promotions()
{
    return page(
        QStringLiteral("最新优惠"),
        QStringLiteral("<p class=\"eyebrow\">优惠</p>\n<h1>最新优惠</h1>\n"
                       "<h2>新手礼包</h2>\n<p>每个账户起始余额 %1 游戏筹码。余额低于起始金额时，"
                       "可在“我的账户”中补足。</p>\n"
                       "<h2 id=\"freeroll\">每晚免费锦标赛</h2>\n<p>免费报名，不收买入费。"
                       "在大厅选择免费赛并点击“报名”，开赛时自动入座；名次奖金直接计入账户余额。</p>\n"
                       "<h2>单桌赛</h2>\n<p>三人满员即开赛，盲注逐级翻倍，前两名获得奖金。</p>\n"
                       "<p class=\"note\">所有筹码都是没有价值的游戏筹码。</p>")
            .arg(amount(AccountStore::DefaultStarting)));
}

WebPages::Page pokerSchool()
{
    struct Rank
    {
        const char16_t* name;
        const char16_t* example;
        const char16_t* text;
    };
    static const Rank ranks[] = {
        {u"皇家同花顺", u"A♠ K♠ Q♠ J♠ 10♠", u"同一花色的 A 到 10"},
        {u"同花顺", u"9♥ 8♥ 7♥ 6♥ 5♥", u"同一花色的五张连续牌"},
        {u"四条", u"Q♣ Q♦ Q♥ Q♠ 3♦", u"四张同点数的牌"},
        {u"葫芦", u"8♠ 8♦ 8♣ K♥ K♠", u"三条加一对"},
        {u"同花", u"A♦ J♦ 9♦ 6♦ 2♦", u"五张同花色的牌"},
        {u"顺子", u"10♣ 9♦ 8♠ 7♥ 6♣", u"五张连续的牌，A 也可作 1"},
        {u"三条", u"7♠ 7♥ 7♦ K♣ 2♠", u"三张同点数的牌"},
        {u"两对", u"J♥ J♣ 4♠ 4♦ A♥", u"两个对子"},
        {u"一对", u"10♠ 10♥ K♦ 7♣ 3♠", u"两张同点数的牌"},
        {u"高牌", u"A♣ Q♦ 8♠ 5♥ 3♣", u"以上都不是时比最大的单张"},
    };
    QString rows;
    for (const Rank& r : ranks)
        rows +=
            QStringLiteral("<tr><td>%1</td><td class=\"n\">%2</td><td>%3</td></tr>\n")
                .arg(QString::fromUtf16(r.name), QString::fromUtf16(r.example), QString::fromUtf16(r.text));
    return page(
        QStringLiteral("扑克学堂"),
        QStringLiteral("<p class=\"eyebrow\">扑克学堂</p>\n<h1>牌型大小</h1>\n"
                       "<p class=\"lead\">用两张底牌和五张公共牌中最好的五张组成牌型（奥马哈必须用两张底牌"
                       "和三张公共牌）。从大到小：</p>\n"
                       "<table><thead><tr><th>牌型</th><th class=\"n\">例子</th><th>说明</th></tr>"
                       "</thead>\n<tbody>\n%1</tbody></table>")
            .arg(rows),
        QStringLiteral("wide"));
}

} // namespace

class PartnerPages::Private
{
public:
    PokerServer* server = nullptr;
};

PartnerPages::PartnerPages(PokerServer* server) : d(std::make_unique<Private>())
{
    d->server = server;
}

PartnerPages::~PartnerPages() = default;

bool PartnerPages::serves(const QString& path)
{
    return path.startsWith(kPrefix);
}

WebPages::Page PartnerPages::get(const QUrl& url) const
{
    const QString name = url.path().mid(kPrefix.size());
    const QString ticket = QUrlQuery(url).queryItemValue(kTicketField, QUrl::FullyDecoded);
    if (name == QLatin1String("news"))
        return news();
    if (name == QLatin1String("password"))
        return lostPassword();
    if (name == QLatin1String("register"))
        return signUp();
    if (name == QLatin1String("promotions"))
        return promotions();
    if (name == QLatin1String("school"))
        return pokerSchool();
    if (name == QLatin1String("account"))
        return account(ticket);
    if (name == QLatin1String("lobby"))
        return lobby(ticket);
    WebPages::Page missing = page(QStringLiteral("页面不存在"),
                                  QStringLiteral("<p class=\"eyebrow\">404</p>\n<h1>页面不存在</h1>\n"
                                                 "<p class=\"lead\">请从红隼扑克客户端打开页面。</p>"),
                                  QStringLiteral("refused"));
    missing.status = 404;
    missing.reason = "Not Found";
    return missing;
}

WebPages::Page PartnerPages::expired() const
{
    WebPages::Page p = page(QStringLiteral("链接已过期"),
                            QStringLiteral("<p class=\"eyebrow\">403</p>\n<h1>链接已过期</h1>\n"
                                           "<p class=\"lead\">客户端打开的链接只能使用一次，一分钟内有效。"
                                           "请从客户端重新打开。</p>"),
                            QStringLiteral("refused"));
    p.status = 403;
    p.reason = "Forbidden";
    return p;
}

WebPages::Page PartnerPages::account(const QString& ticket) const
{
    AccountStore* accounts = d->server->accounts();
    // Spent here whatever follows: the address may stay in a browser's history.
    const QString user = d->server->tickets()->redeem(ticket, TicketStore::WebPage);
    if (user.isEmpty() || !accounts->exists(user))
        return expired();
    const AccountStore::Account a = accounts->account(user);
    QString html = QStringLiteral("<p class=\"eyebrow\">我的账户</p>\n<h1>%1</h1>\n"
                                  "<p class=\"lead\">本服务器上的游戏筹码账户</p>\n"
                                  "<div class=\"balance\"><span>余额</span><strong>%2</strong></div>\n"
                                  "<dl><dt>牌桌上</dt><dd>%3</dd><dt>起始金额</dt><dd>%4</dd></dl>\n")
                       .arg(accounts->shownName(user).toHtmlEscaped(), amount(a.balance), amount(a.atTables),
                            amount(a.starting));
    if (a.balance < a.starting) {
        const QString token = d->server->tickets()->issue(user, TicketStore::TopUp);
        html += QStringLiteral("<form method=\"post\" action=\"/cashier/topup\">\n"
                               "<input type=\"hidden\" name=\"token\" value=\"%1\">\n"
                               "<button type=\"submit\">补足到 %2</button>\n</form>\n"
                               "<p class=\"note\">牌桌上的筹码不变。按钮只能使用一次，一分钟内有效。</p>")
                    .arg(token.toHtmlEscaped(), amount(a.starting));
    } else {
        html += QStringLiteral("<p class=\"note\">余额低于起始金额时可以在这里补足。</p>");
    }
    return page(QStringLiteral("我的账户"), html);
}

WebPages::Page PartnerPages::lobby(const QString& ticket) const
{
    const QString user = d->server->tickets()->redeem(ticket, TicketStore::WebPage);
    if (user.isEmpty() || !d->server->accounts()->exists(user))
        return expired();
    QString rows;
    for (const Table* t : d->server->tables()) {
        const TableConfig& c = t->config();
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td class=\"n\">%3</td><td class=\"n\">%4 \u2013 %5"
                               "</td><td class=\"n\">%6/%7</td></tr>\n")
                    .arg(c.name.toHtmlEscaped(), PageDocument::gameName(c, kWords),
                         PageDocument::stakes(c, kWords), amount(c.buyinMin), amount(c.buyinMax),
                         QString::number(t->playerCount()), QString::number(c.seats));
    }
    return page(QStringLiteral("网页大厅"),
                QStringLiteral("<p class=\"eyebrow\">网页大厅</p>\n<h1>%1，欢迎回来</h1>\n"
                               "<p class=\"lead\">在客户端的大厅里选择牌桌入座。</p>\n"
                               "<table><thead><tr><th>牌桌</th><th>游戏</th><th class=\"n\">盲注</th>"
                               "<th class=\"n\">买入</th><th class=\"n\">玩家</th></tr></thead>\n"
                               "<tbody>\n%2</tbody></table>")
                    .arg(d->server->accounts()->shownName(user).toHtmlEscaped(), rows),
                QStringLiteral("wide"));
}

} // namespace Pokerd
