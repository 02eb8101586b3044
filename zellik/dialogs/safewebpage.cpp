#include "safewebpage.h"

#include <QWebEngineSettings>

namespace VeskGames {

SafeWebPage::SafeWebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
    QWebEngineSettings* s = settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
}

SafeWebPage::~SafeWebPage() = default;

bool SafeWebPage::isAllowed(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    // about:blank and pages we set as HTML ourselves; everything else must be web.
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           url == QUrl(QStringLiteral("about:blank")) || url.scheme() == QLatin1String("data");
}

bool SafeWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool)
{
    return isAllowed(url);
}

QWebEnginePage* SafeWebPage::createWindow(WebWindowType)
{
    return nullptr;
}

} // namespace VeskGames
