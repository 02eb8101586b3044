#include "webdialogitem.h"

#include "dialogbuttonboxitem.h"
#include "labelitem.h"
#include "loadingimageitem.h"
#include "pushbuttonitem.h"
#include "safewebpage.h"
#include "servercommand.h"

#include <QCoreApplication>
#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace VeskGames {

namespace {

const QString kTicket = QStringLiteral("VeskGames::Ticket");
const QString kContext = QStringLiteral("VeskGames::Context");
const QString kUsername = QStringLiteral("VeskGames::Username");
bool s_engineStarted = false;

} // namespace

class WebDialogItem::Private
{
public:
    QUrl url;
    QUrl loaded;
    QString ticket;
    bool loading = false;
    QGraphicsProxyWidget* proxy = nullptr;
    // The page goes before its profile: the engine insists on that order.
    std::unique_ptr<QWebEngineProfile> profile;
    QWebEngineView* view = nullptr;
    LoadingImageItem* spinner = nullptr;
    DialogButtonBoxItem* buttons = nullptr;
    PushButtonItem* close = nullptr;
    QGraphicsLinearLayout* layout = nullptr;
    QGraphicsWidget* viewArea = nullptr;
    LabelItem* error = nullptr;
};

WebDialogItem::WebDialogItem(QGraphicsItem* parent) : ThemedDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("WebDialog"));
    // Stands in for the page until the engine starts.
    d->viewArea = new QGraphicsWidget(this);
    d->viewArea->setMinimumSize(ViewSize);
    d->viewArea->setPreferredSize(ViewSize);
    d->error = new LabelItem(this);
    d->error->setThemeFlags(NoThemeFlags);
    d->error->setBrush(QColor(0x20, 0x20, 0x20));
    d->error->setAlignment(Qt::AlignCenter);
    d->error->hide();
    d->spinner = new LoadingImageItem(this);
    d->spinner->setZValue(10);
    d->spinner->hide();
    d->buttons = new DialogButtonBoxItem(this);
    d->buttons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->close = d->buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    setupButton(d->close, true);
    setEscapeButton(d->close);
    setDefaultButton(d->close);
    d->layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    d->layout->setContentsMargins(16, 16, 16, 14);
    d->layout->setSpacing(10);
    d->layout->addItem(d->viewArea);
    d->layout->addItem(d->buttons);
    d->layout->setAlignment(d->buttons, Qt::AlignRight);
    connect(d->viewArea, &QGraphicsWidget::geometryChanged, this, &WebDialogItem::webViewGeometryChanged);
}

WebDialogItem::~WebDialogItem()
{
    if (d->proxy) {
        delete d->proxy; // the view and its page
        d->proxy = nullptr;
    }
}

bool WebDialogItem::webEngineStarted()
{
    return s_engineStarted;
}

bool WebDialogItem::hasWebView() const
{
    return d->view != nullptr;
}

QString WebDialogItem::errorText() const
{
    return d->error->isVisible() ? d->error->text() : QString();
}

void WebDialogItem::showError(const QString& text)
{
    setLoading(false);
    d->error->setText(text);
    d->error->setVisible(!text.isEmpty());
    if (d->proxy)
        d->proxy->setVisible(text.isEmpty());
    webViewGeometryChanged();
}

bool WebDialogItem::ensureView()
{
    if (d->view)
        return true;
    QString why;
    if (!SafeWebPage::engineCanStart(&why)) {
        showError(why);
        return false;
    }
    s_engineStarted = true;
    // Nothing of the operator's site stays on disk after the run.
    d->profile = std::make_unique<QWebEngineProfile>();
    d->view = new QWebEngineView;
    d->view->setPage(new SafeWebPage(d->profile.get(), d->view));
    d->view->setContextMenuPolicy(Qt::NoContextMenu);
    d->view->resize(ViewSize.toSize());
    connect(d->view, &QWebEngineView::loadStarted, this, [this] {
        setLoading(true);
        show();
    });
    connect(d->view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        setLoading(false);
        Q_EMIT loadFinished(ok);
    });
    connect(d->view->page(), &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    showError(tr("The page stopped working. Close it and open it again."));
            });
    d->proxy = new QGraphicsProxyWidget(this);
    d->proxy->setWidget(d->view);
    webViewGeometryChanged();
    return true;
}

void WebDialogItem::webViewGeometryChanged()
{
    const QRectF area = d->viewArea->geometry();
    if (d->proxy)
        d->proxy->setGeometry(area);
    d->error->setGeometry(area.adjusted(24, 0, -24, 0));
    const QSizeF spinner = d->spinner->effectiveSizeHint(Qt::PreferredSize);
    d->spinner->setGeometry(QRectF(area.center() - QPointF(spinner.width(), spinner.height()) / 2, spinner));
}

void WebDialogItem::setUrl(const QUrl& url)
{
    d->url = url;
    d->ticket.clear();
    if (!needsTicket(url)) {
        loadUrl();
        return;
    }
    if (!client()) {
        d->ticket = QStringLiteral("unknown");
        loadUrl();
        return;
    }
    auto* command = new ServerCommand(client(), QStringLiteral("userTicket"), this);
    connect(command, &Command::done, this, &WebDialogItem::getTicketCommandDone);
    setLoading(true);
    command->exec();
}

QUrl WebDialogItem::url() const
{
    return d->url;
}

QUrl WebDialogItem::loadedUrl() const
{
    return d->loaded;
}

void WebDialogItem::getTicketCommandDone(Command* command)
{
    command->deleteLater();
    auto* server = qobject_cast<ServerCommand*>(command);
    const QVariant result = server && !server->hasError() ? server->result() : QVariant();
    // Without a ticket the page would not know the player: better none at all.
    if (result.metaType().id() != QMetaType::QString || result.toString().isEmpty()) {
        showError(tr("The server did not open this page for you. Please try again later."));
        return;
    }
    d->ticket = result.toString();
    if (d->url.isValid())
        loadUrl();
}

namespace {

// The query's items as the address has them: the value decoded only to compare.
QString decodedValue(const QByteArray& part)
{
    const qsizetype equals = part.indexOf('=');
    return equals < 0 ? QString() : QUrl::fromPercentEncoding(part.mid(equals + 1));
}

} // namespace

bool WebDialogItem::needsTicket(const QUrl& url)
{
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    for (const QByteArray& part : query.split('&')) {
        if (decodedValue(part) == kTicket)
            return true;
    }
    return false;
}

QUrl WebDialogItem::completeUrl(const QUrl& url, const QString& ticket, const QString& context,
                                const QString& username)
{
    if (!url.hasQuery())
        return url;
    // Part by part, so that every other item keeps its exact spelling.
    QList<QByteArray> parts = url.query(QUrl::FullyEncoded).toLatin1().split('&');
    for (QByteArray& part : parts) {
        const QString value = decodedValue(part);
        QString replacement;
        if (value == kTicket)
            replacement = ticket;
        else if (value == kContext)
            replacement = context;
        else if (value == kUsername)
            replacement = username;
        else
            continue;
        part = part.left(part.indexOf('=') + 1) + QUrl::toPercentEncoding(replacement);
    }
    QUrl result = url;
    result.setQuery(QString::fromLatin1(parts.join('&')), QUrl::StrictMode);
    return result;
}

void WebDialogItem::loadUrl()
{
    const QCoreApplication* app = QCoreApplication::instance();
    d->loaded = completeUrl(d->url, d->ticket, app->property("iniupdatecontext").toString(),
                            app->property("iniusername").toString());
    if (!SafeWebPage::isAllowed(d->loaded)) {
        setLoading(false);
        return;
    }
    if (ensureView())
        d->view->load(d->loaded);
}

void WebDialogItem::setHtml(const QString& html)
{
    d->loaded = QUrl();
    if (ensureView())
        d->view->setHtml(html);
}

void WebDialogItem::setLoading(bool loading)
{
    d->loading = loading;
    d->spinner->setVisible(loading);
}

bool WebDialogItem::isLoading() const
{
    return d->loading;
}

} // namespace VeskGames
