#include "safewebpage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QWebEngineSettings>

#include <unistd.h>

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

bool SafeWebPage::engineCanStart(QString* why)
{
    const auto refuse = [why](const QString& text) {
        if (why)
            *why = text;
        return false;
    };
    const QByteArray own = qgetenv("QTWEBENGINEPROCESS_PATH");
    const QString helper = own.isEmpty() ? QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                                               QStringLiteral("/QtWebEngineProcess")
                                         : QString::fromLocal8Bit(own);
    if (!QFileInfo(helper).isExecutable())
        return refuse(QCoreApplication::translate(
            "VeskGames::SafeWebPage", "Web pages cannot be shown: the web engine is not installed."));
    // As root the engine's sandbox refuses to start and aborts the process.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX") &&
        !qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
        return refuse(QCoreApplication::translate(
            "VeskGames::SafeWebPage", "Web pages cannot be shown to the root user with the sandbox on."));
    return true;
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
