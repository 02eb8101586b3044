#ifndef POKERD_PARTNERPAGES_H
#define POKERD_PARTNERPAGES_H

#include "webpages.h"

namespace Pokerd {

/// The partner edition's web site, in Chinese, under "/partner/": the news
/// the login shows, password help, sign-up, promotions, the poker school,
/// and the account and web lobby, both opened with a one-time ticket.
class PartnerPages
{
public:
    explicit PartnerPages(PokerServer* server);
    ~PartnerPages();

    static bool serves(const QString& path);
    /// The page at \a url; an unknown page under the prefix is a 404.
    WebPages::Page get(const QUrl& url) const;

private:
    WebPages::Page account(const QString& ticket) const;
    WebPages::Page lobby(const QString& ticket) const;
    WebPages::Page expired() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
