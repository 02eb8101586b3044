#ifndef POKERD_WEBPAGES_H
#define POKERD_WEBPAGES_H

#include <QByteArray>
#include <QString>

#include <memory>

class QUrl;

namespace Pokerd {

class PokerServer;

/// The pages a browser opens on the server's own port: the cashier, reached
/// with a one-time ticket from the client, and a help page. Each is a
/// self-contained HTML document.
class WebPages
{
public:
    struct Page
    {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
    };

    explicit WebPages(PokerServer* server);
    ~WebPages();

    /// Whether a POST to \a path is a page's form rather than an XML-RPC call.
    static bool takesForm(const QString& path);
    /// Headers every page goes out with.
    static QByteArray headers();

    /// The page at \a url (path and query of a GET or HEAD).
    Page get(const QUrl& url);
    /// The answer to a form, URL-encoded in \a form, posted to \a path.
    Page post(const QString& path, const QByteArray& form);
    /// The answer to a method the server does not offer.
    static Page methodNotAllowed();

private:
    Page cashier(const QString& ticket);
    Page topUp(const QString& token);
    Page help() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
