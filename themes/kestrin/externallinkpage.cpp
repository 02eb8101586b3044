#include "externallinkpage.h"

#include <QDesktopServices>

namespace VeskGames {

ExternalLinkPage::ExternalLinkPage(QWebEngineProfile* profile, QObject* parent) : SafeWebPage(profile, parent)
{}

ExternalLinkPage::~ExternalLinkPage() = default;

QUrl ExternalLinkPage::webUrl(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    // A configuration cannot make a link start a program or read a file.
    const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
    return url.isValid() && web && !url.host().isEmpty() ? url : QUrl();
}

bool ExternalLinkPage::openInBrowser(const QUrl& url)
{
    const QUrl checked = webUrl(url.toString(QUrl::FullyEncoded));
    return !checked.isEmpty() && QDesktopServices::openUrl(checked);
}

bool ExternalLinkPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (type == NavigationTypeLinkClicked) {
        Q_EMIT linkClicked(url);
        return false;
    }
    return SafeWebPage::acceptNavigationRequest(url, type, isMainFrame);
}

} // namespace VeskGames
