#include "webpages.h"

#include "accountstore.h"
#include "pagedocument.h"
#include "partnerpages.h"
#include "pokerserver.h"
#include "ticketstore.h"

#include <QUrl>
#include <QUrlQuery>

namespace Pokerd {

namespace {

using PageDocument::amount;
using PageDocument::document;

const QString kCashierPath = QStringLiteral("/cashier");
const QString kTopUpPath = QStringLiteral("/cashier/topup");
const QString kHelpPath = QStringLiteral("/help");
const QString kTicketField = QStringLiteral("ticket");
const QString kTokenField = QStringLiteral("token");

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

const PageDocument::TableWords kWords{QStringLiteral("Hold'em"),     QStringLiteral("Omaha"),
                                      QStringLiteral(", pot limit"), QStringLiteral(", no limit"),
                                      QStringLiteral(", "),          QStringLiteral("ante ")};

} // namespace

class WebPages::Private
{
public:
    PokerServer* server = nullptr;
    std::unique_ptr<PartnerPages> partner;
};

WebPages::WebPages(PokerServer* server) : d(std::make_unique<Private>())
{
    d->server = server;
    d->partner = std::make_unique<PartnerPages>(server);
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
    if (PartnerPages::serves(path))
        return d->partner->get(url);
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
                    .arg(c.name.toHtmlEscaped(), PageDocument::gameName(c, kWords),
                         PageDocument::stakes(c, kWords), amount(c.buyinMin), amount(c.buyinMax),
                         QString::number(c.seats));
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
