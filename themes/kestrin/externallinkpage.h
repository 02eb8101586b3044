#ifndef VESKGAMES_EXTERNALLINKPAGE_H
#define VESKGAMES_EXTERNALLINKPAGE_H

#include "safewebpage.h"

namespace VeskGames {

/// A page shown inside a dialog whose links belong in the system browser:
/// a clicked link is reported, never followed in place.
class ExternalLinkPage : public SafeWebPage
{
    Q_OBJECT

public:
    explicit ExternalLinkPage(QWebEngineProfile* profile, QObject* parent = nullptr);
    ~ExternalLinkPage() override;

    /// \a text as a web address, or empty when it is anything else.
    static QUrl webUrl(const QString& text);
    /// Hands a web address to the system browser; anything else is refused.
    static bool openInBrowser(const QUrl& url);

Q_SIGNALS:
    void linkClicked(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

} // namespace VeskGames

#endif
