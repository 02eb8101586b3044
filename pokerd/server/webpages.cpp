#include "webpages.h"

#include "accountstore.h"
#include "pokerserver.h"
#include "ticketstore.h"

#include <QLocale>
#include <QUrl>
#include <QUrlQuery>

namespace Pokerd {

namespace {

const QString kCashierPath = QStringLiteral("/cashier");
const QString kTopUpPath = QStringLiteral("/cashier/topup");
const QString kHelpPath = QStringLiteral("/help");
const QString kTicketField = QStringLiteral("ticket");
const QString kTokenField = QStringLiteral("token");

// One style sheet for every page, inline: the pages load nothing else.
const char kStyle[] = R"(
:root { color-scheme: light dark; --accent: #1d7a55; --accent-dark: #145c40; --ink: #17202a;
  --muted: #5d6b78; --card: #ffffff; --line: #e3e8ec; --soft: #f3f6f8; --warn: #b3261e; }
@media (prefers-color-scheme: dark) {
  :root { --ink: #e8edf1; --muted: #9aa8b4; --card: #182028; --line: #2a3540; --soft: #1f2932; }
}
* { box-sizing: border-box; }
html { background: #0c2b20; }
body { margin: 0; min-height: 100vh; display: flex; align-items: center; justify-content: center;
  padding: 24px 16px; color: var(--ink);
  font: 16px/1.55 system-ui, -apple-system, "Segoe UI", Roboto, "Helvetica Neue", Arial, sans-serif;
  background: radial-gradient(ellipse at 50% -10%, #2a8a63 0%, #12432f 55%, #0c2b20 100%); }
main { width: 100%; max-width: 560px; background: var(--card); border-radius: 18px;
  padding: 32px 36px; box-shadow: 0 24px 60px rgba(0, 0, 0, .35), 0 2px 6px rgba(0, 0, 0, .2); }
.wide main { max-width: 760px; }
.eyebrow { margin: 0; font-size: .78rem; font-weight: 700; letter-spacing: .12em; text-transform: uppercase;
  color: var(--accent); }
h1 { margin: 4px 0 6px; font-size: 1.6rem; line-height: 1.25; overflow-wrap: anywhere; }
h2 { margin: 28px 0 8px; font-size: 1.05rem; }
p { margin: 0 0 12px; }
.lead { color: var(--muted); }
.balance { margin: 24px 0 8px; padding: 20px 22px; border-radius: 14px; background: var(--soft);
  border: 1px solid var(--line); }
.balance span { display: block; font-size: .85rem; color: var(--muted); }
.balance strong { display: block; font-size: 2.4rem; font-weight: 700; letter-spacing: -.02em;
  font-variant-numeric: tabular-nums; }
dl { display: grid; grid-template-columns: auto 1fr; gap: 4px 18px; margin: 16px 0; }
dt { color: var(--muted); }
dd { margin: 0; text-align: right; font-variant-numeric: tabular-nums; }
button { display: block; width: 100%; margin-top: 20px; padding: 13px 20px; border: 0; border-radius: 11px;
  background: var(--accent); color: #fff; font: inherit; font-weight: 650; cursor: pointer; }
button:hover, button:focus-visible { background: var(--accent-dark); }
.note { margin-top: 16px; font-size: .9rem; color: var(--muted); }
.sign { font-size: 2.2rem; line-height: 1; margin-bottom: 10px; }
.refused .eyebrow { color: var(--warn); }
table { width: 100%; border-collapse: collapse; font-size: .92rem; }
th, td { padding: 7px 6px; border-bottom: 1px solid var(--line); text-align: left; }
th { color: var(--muted); font-weight: 600; }
.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
code { padding: 1px 6px; border-radius: 6px; background: var(--soft); border: 1px solid var(--line);
  font-size: .92em; }
a { color: var(--accent); }
footer { margin-top: 28px; font-size: .82rem; color: var(--muted); }
)";

QString amount(Cents cents)
{
    // Whole units grouped, cents always two digits: "1,000.00".
    const Cents whole = qAbs(cents) / 100;
    const int part = int(qAbs(cents) % 100);
    return (cents < 0 ? QStringLiteral("-") : QString()) + QLocale(QLocale::English).toString(whole) +
           QStringLiteral(".%1").arg(part, 2, 10, QLatin1Char('0'));
}

QString document(const QString& title, const QString& content, const QString& bodyClass = QString())
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                          "<meta name=\"referrer\" content=\"no-referrer\">\n"
                          "<title>%1 \u00b7 pokerd</title>\n<style>%2</style>\n</head>\n"
                          "<body%3>\n<main>\n%4\n<footer>pokerd, the local poker server \u00b7 "
                          "<a href=\"/help\">Help</a></footer>\n</main>\n</body>\n</html>\n")
        .arg(title.toHtmlEscaped(), QString::fromLatin1(kStyle),
             bodyClass.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(bodyClass), content);
}

WebPages::Page page(int status, const QByteArray& reason, const QString& html)
{
    return WebPages::Page{status, reason, html.toUtf8()};
}

WebPages::Page refusal(int status, const QByteArray& reason, const QString& title, const QString& text)
{
    return page(
        status, reason,
        document(title,
                 QStringLiteral("<div class=\"sign\" aria-hidden=\"true\">\u26a0</div>\n"
                                "<p class=\"eyebrow\">%1 %2</p>\n<h1>%3</h1>\n<p class=\"lead\">%4</p>")
                     .arg(QString::number(status), QString::fromLatin1(reason), title, text),
                 QStringLiteral("refused")));
}

WebPages::Page expired()
{
    return refusal(403, "Forbidden", QStringLiteral("This link has expired"),
                   QStringLiteral("Links from the poker client work once and for a minute only. Open the "
                                  "cashier from the client again for a fresh one."));
}

QString gameName(const TableConfig& c)
{
    const QString game = (c.type & 0x2) ? QStringLiteral("Omaha") : QStringLiteral("Hold'em");
    return game + (c.limit == 2 ? QStringLiteral(", pot limit") : QStringLiteral(", no limit"));
}

QString stakes(const TableConfig& c)
{
    QString text;
    if (c.bigBlind > 0)
        text = amount(c.smallBlind) + QStringLiteral(" / ") + amount(c.bigBlind);
    if (c.ante > 0)
        text +=
            (text.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("ante ") + amount(c.ante);
    return text;
}

} // namespace

class WebPages::Private
{
public:
    PokerServer* server = nullptr;
};

WebPages::WebPages(PokerServer* server) : d(std::make_unique<Private>())
{
    d->server = server;
}

WebPages::~WebPages() = default;

bool WebPages::takesForm(const QString& path)
{
    return path == kTopUpPath;
}

QByteArray WebPages::headers()
{
    return "Content-Type: text/html; charset=utf-8\r\n"
           "Cache-Control: no-store\r\n"
           "X-Content-Type-Options: nosniff\r\n"
           "Content-Security-Policy: default-src 'none'; style-src 'unsafe-inline'; form-action 'self'\r\n"
           "Referrer-Policy: no-referrer\r\n";
}

WebPages::Page WebPages::get(const QUrl& url)
{
    const QString path = url.path();
    if (path == kCashierPath)
        return cashier(QUrlQuery(url).queryItemValue(kTicketField, QUrl::FullyDecoded));
    if (path == kHelpPath)
        return help();
    return refusal(404, "Not Found", QStringLiteral("There is no such page"),
                   QStringLiteral("This server has a cashier, opened from the poker client, and a "
                                  "<a href=\"/help\">help page</a>."));
}

WebPages::Page WebPages::post(const QString& path, const QByteArray& form)
{
    if (path == kTopUpPath)
        return topUp(QUrlQuery(QString::fromUtf8(form)).queryItemValue(kTokenField, QUrl::FullyDecoded));
    return methodNotAllowed();
}

WebPages::Page WebPages::methodNotAllowed()
{
    return refusal(405, "Method Not Allowed", QStringLiteral("Not something this page does"),
                   QStringLiteral("Pages here are read with GET; only the cashier's form is posted."));
}

WebPages::Page WebPages::cashier(const QString& ticket)
{
    AccountStore* accounts = d->server->accounts();
    // The ticket is used up here, whatever happens next: the address it came
    // in may end up in a browser's history.
    const QString user = d->server->tickets()->redeem(ticket, TicketStore::WebPage);
    if (user.isEmpty() || !accounts->exists(user))
        return expired();
    const AccountStore::Account a = accounts->account(user);
    QString html =
        QStringLiteral("<p class=\"eyebrow\">Cashier</p>\n<h1>%1</h1>\n"
                       "<p class=\"lead\">Play-money account on this server</p>\n"
                       "<div class=\"balance\"><span>Balance</span><strong>%2</strong></div>\n"
                       "<dl><dt>At tables</dt><dd>%3</dd><dt>Starting amount</dt><dd>%4</dd></dl>\n")
            .arg(a.name.toHtmlEscaped(), amount(a.balance), amount(a.atTables), amount(a.starting));
    if (a.balance < a.starting) {
        // A token of its own for the form: the ticket that opened the page is spent.
        const QString token = d->server->tickets()->issue(user, TicketStore::TopUp);
        html += QStringLiteral("<form method=\"post\" action=\"%1\">\n"
                               "<input type=\"hidden\" name=\"%2\" value=\"%3\">\n"
                               "<button type=\"submit\">Top up to %4</button>\n</form>\n"
                               "<p class=\"note\">Brings the balance back to the starting amount. Chips at "
                               "tables stay where they are. The button works once, within a minute.</p>")
                    .arg(kTopUpPath, kTokenField, token.toHtmlEscaped(), amount(a.starting));
    } else {
        html += QStringLiteral("<p class=\"note\">A top-up is offered once the balance is below the "
                               "starting amount.</p>");
    }
    return page(200, "OK", document(QStringLiteral("Cashier"), html));
}

WebPages::Page WebPages::topUp(const QString& token)
{
    AccountStore* accounts = d->server->accounts();
    const QString user = d->server->tickets()->redeem(token, TicketStore::TopUp);
    if (user.isEmpty() || !accounts->exists(user))
        return expired();
    const AccountStore::Account before = accounts->account(user);
    QString heading;
    QString text;
    if (before.balance >= before.starting) {
        // Topped up meanwhile, from another page, or won back at a table.
        heading = QStringLiteral("Nothing to top up");
        text = QStringLiteral("The balance is not below the starting amount.");
    } else if (accounts->topUp(user)) {
        heading = QStringLiteral("Topped up");
        text = QStringLiteral("The balance is back at the starting amount. The client shows it at its "
                              "next update.");
    } else {
        return refusal(500, "Internal Server Error", QStringLiteral("The top-up could not be saved"),
                       QStringLiteral("Nothing was changed. The server could not write its accounts file; "
                                      "its log says why."));
    }
    const AccountStore::Account a = accounts->account(user);
    return page(200, "OK",
                document(QStringLiteral("Cashier"),
                         QStringLiteral("<p class=\"eyebrow\">Cashier</p>\n<h1>%1</h1>\n"
                                        "<p class=\"lead\">%2</p>\n<div class=\"balance\"><span>%3</span>"
                                        "<strong>%4</strong></div>\n<p class=\"note\">%5</p>")
                             .arg(heading, a.name.toHtmlEscaped(), QStringLiteral("Balance"),
                                  amount(a.balance), text)));
}

WebPages::Page WebPages::help() const
{
    QString rows;
    for (const Table* t : d->server->tables()) {
        const TableConfig& c = t->config();
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td class=\"n\">%3</td><td class=\"n\">%4 "
                               "\u2013 %5</td><td class=\"n\">%6</td></tr>\n")
                    .arg(c.name.toHtmlEscaped(), gameName(c), stakes(c), amount(c.buyinMin),
                         amount(c.buyinMax), QString::number(c.seats));
    }
    QString html = QStringLiteral(
        "<p class=\"eyebrow\">Help</p>\n<h1>The local poker server</h1>\n"
        "<p class=\"lead\">pokerd runs poker tables on this machine for the Vesk Poker client to play and be "
        "tested against. Bots fill the seats nobody takes.</p>\n"
        "<h2>Play money</h2>\n<p>Every chip here is play money with no value. When an account's balance "
        "falls below the amount it started with, the cashier, opened from the client, tops it up "
        "again.</p>\n");
    if (d->server->accounts()->exists(QStringLiteral("demo1")))
        html +=
            QStringLiteral("<h2>Demo accounts</h2>\n<p>Log in as <code>demo1</code> to <code>demo10</code>, "
                           "password <code>demo</code>. Each starts with %1.</p>\n")
                .arg(amount(AccountStore::DefaultStarting));
    html += QStringLiteral("<h2>Tables</h2>\n<table><thead><tr><th>Table</th><th>Game</th>"
                           "<th class=\"n\">Blinds</th><th class=\"n\">Buy-in</th><th "
                           "class=\"n\">Seats</th></tr></thead>\n<tbody>\n%1</tbody></table>\n")
                .arg(rows);
    return page(200, "OK", document(QStringLiteral("Help"), html, QStringLiteral("wide")));
}

} // namespace Pokerd
