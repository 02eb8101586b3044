#ifndef VESKGAMES_WEBDIALOGITEM_H
#define VESKGAMES_WEBDIALOGITEM_H

#include "themeddialogitem.h"

#include <QUrl>

#include <memory>

namespace VeskGames {

class Command;

/// An operator's web page (cashier, news, help) over the table. Placeholders
/// in the address's query become the player's one-time ticket, the update
/// context and the user name just before the page loads. The web engine
/// starts with the first page, not before.
class ZELLIK_EXPORT WebDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    static constexpr QSizeF ViewSize{780, 500};

    explicit WebDialogItem(QGraphicsItem* parent = nullptr);
    ~WebDialogItem() override;

    void setUrl(const QUrl& url);
    QUrl url() const;
    void setHtml(const QString& html);
    void setLoading(bool loading);
    bool isLoading() const;
    /// The address as it went to the page, placeholders filled in.
    QUrl loadedUrl() const;
    /// Whether this dialog has started its web view.
    bool hasWebView() const;
    /// Whether any web view was made in this process.
    static bool webEngineStarted();
    /// What is shown in place of the page when it cannot be shown; empty otherwise.
    QString errorText() const;

    /// Replaces the placeholder values of the query's items, nothing else.
    static QUrl completeUrl(const QUrl& url, const QString& ticket, const QString& context,
                            const QString& username);
    static bool needsTicket(const QUrl& url);

Q_SIGNALS:
    void loadFinished(bool ok);

private Q_SLOTS:
    void loadUrl();
    void getTicketCommandDone(VeskGames::Command* command);
    void webViewGeometryChanged();

private:
    bool ensureView();
    void showError(const QString& text);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
