#include "pagedocument.h"

#include <QLocale>

namespace Pokerd {

namespace {

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

} // namespace

QString PageDocument::amount(Cents cents)
{
    const Cents whole = qAbs(cents) / 100;
    const int part = int(qAbs(cents) % 100);
    return (cents < 0 ? QStringLiteral("-") : QString()) + QLocale(QLocale::English).toString(whole) +
           QStringLiteral(".%1").arg(part, 2, 10, QLatin1Char('0'));
}

QString PageDocument::gameName(const TableConfig& table, const TableWords& words)
{
    return ((table.type & 0x2) ? words.omaha : words.holdem) +
           (table.limit == 2 ? words.potLimit : words.noLimit);
}

QString PageDocument::stakes(const TableConfig& table, const TableWords& words)
{
    QString text;
    if (table.bigBlind > 0)
        text = amount(table.smallBlind) + QStringLiteral(" / ") + amount(table.bigBlind);
    if (table.ante > 0)
        text += (text.isEmpty() ? QString() : words.separator) + words.ante + amount(table.ante);
    return text;
}

QString PageDocument::document(const QString& title, const QString& content, const QString& bodyClass,
                               const QString& language, const QString& footer)
{
    const QString line =
        footer.isEmpty() ? QStringLiteral("pokerd, the local poker server \u00b7 <a href=\"/help\">Help</a>")
                         : footer;
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%5\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                          "<meta name=\"referrer\" content=\"no-referrer\">\n"
                          "<title>%1 \u00b7 pokerd</title>\n<style>%2</style>\n</head>\n"
                          "<body%3>\n<main>\n%4\n<footer>%6</footer>\n</main>\n</body>\n</html>\n")
        .arg(title.toHtmlEscaped(), QString::fromLatin1(kStyle),
             bodyClass.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(bodyClass), content,
             language.toHtmlEscaped(), line);
}

} // namespace Pokerd
