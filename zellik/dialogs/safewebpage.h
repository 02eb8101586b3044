#ifndef VESKGAMES_SAFEWEBPAGE_H
#define VESKGAMES_SAFEWEBPAGE_H

#include "zellik_export.h"

#include <QWebEnginePage>

namespace VeskGames {

/// A page of the operator's web site: web addresses only, no new windows,
/// and nothing of the program reachable from its scripts.
class ZELLIK_EXPORT SafeWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit SafeWebPage(QWebEngineProfile* profile, QObject* parent = nullptr);
    ~SafeWebPage() override;

    static bool isAllowed(const QUrl& url);
    /// Whether the engine can start in this process; when not, \a why says
    /// what the player is told instead of a page. The engine itself would
    /// end the whole program.
    static bool engineCanStart(QString* why = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
};

} // namespace VeskGames

#endif
