#include "webpaneitem.h"

#include "safewebpage.h"

#include "externallinkpage.h"
#include "localresources.h"

#include <QFile>
#include <QGraphicsProxyWidget>
#include <QGraphicsSceneResizeEvent>
#include <QGraphicsSimpleTextItem>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QTimer>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace VeskGames {

namespace {
const QString kChannelScript = QStringLiteral(":/qtwebchannel/qwebchannel.js");

// In the page's world: window.<name> with a getter per property and
// connect/disconnect per signal, frozen, backed by the document alone.
const char kFacade[] = R"js((function () {
  var api = {};
  members.properties.forEach(function (p) {
    Object.defineProperty(api, p, { enumerable: true, get: function () {
      var root = document.documentElement;
      var value = root ? root.getAttribute("data-" + members.name + "-" + p.toLowerCase()) : null;
      return value === null ? "" : value;
    } });
  });
  members.signals.forEach(function (s) {
    var type = members.name + ":" + s;
    var connected = [];
    api[s] = Object.freeze({
      connect: function (f) {
        var listener = function () { f(); };
        connected.push([f, listener]);
        document.addEventListener(type, listener);
      },
      disconnect: function (f) {
        connected = connected.filter(function (c) {
          if (c[0] !== f)
            return true;
          document.removeEventListener(type, c[1]);
          return false;
        });
      }
    });
  });
  Object.defineProperty(window, members.name, { value: Object.freeze(api), enumerable: true });
})();
)js";

// In our own world: copies the object's properties into the document and
// turns its signals into document events.
const char kRelay[] = R"js(function relay(object, members) {
  function sync() {
    var root = document.documentElement;
    if (!root)
      return;
    members.properties.forEach(function (p) {
      var value = object[p];
      root.setAttribute("data-" + members.name + "-" + p.toLowerCase(), value == null ? "" : String(value));
    });
  }
  function fire(s) {
    sync();
    document.dispatchEvent(new Event(members.name + ":" + s));
  }
  members.signals.forEach(function (s) { object[s].connect(function () { fire(s); }); });
  function start() {
    members.signals.forEach(fire);
    document.dispatchEvent(new Event(members.name + "ready"));
  }
  if (document.readyState === "loading")
    document.addEventListener("DOMContentLoaded", start);
  else
    start();
}
)js";

QWebEngineScript documentScript(const QString& name, const QString& source, quint32 world)
{
    QWebEngineScript s;
    s.setName(name);
    s.setSourceCode(source);
    s.setInjectionPoint(QWebEngineScript::DocumentCreation);
    s.setWorldId(world);
    s.setRunsOnSubFrames(false);
    return s;
}

/// "var members = {...}": the names a page may use, the object's own only.
QString ownMembers(const QString& name, const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    QStringList properties;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        properties << QStringLiteral("\"%1\"").arg(QString::fromLatin1(meta->property(i).name()));
    QStringList signalNames;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.access() == QMetaMethod::Public)
            signalNames << QStringLiteral("\"%1\"").arg(QString::fromLatin1(method.name()));
    }
    return QStringLiteral("var members = {name: \"%1\", properties: [%2], signals: [%3]}")
        .arg(name, properties.join(QLatin1Char(',')), signalNames.join(QLatin1Char(',')));
}
} // namespace

class WebPaneItem::Private
{
public:
    QMap<QString, QPointer<QObject>> published;
    QUrl url;
    QString resourcePage;
    std::unique_ptr<QWebEngineProfile> profile;
    ExternalLinkPage* page = nullptr;
    QGraphicsProxyWidget* proxy = nullptr;
    QGraphicsSimpleTextItem* error = nullptr;
    bool inScene = false;
    bool loaded = false;
};

WebPaneItem::WebPaneItem(QGraphicsItem* parent) : QGraphicsWidget(parent), d(std::make_unique<Private>()) {}

WebPaneItem::~WebPaneItem()
{
    // The page goes before the profile it was made with.
    delete d->proxy;
    d->proxy = nullptr;
}

void WebPaneItem::publish(const QString& name, QObject* object)
{
    if (!d->page)
        d->published.insert(name, object);
}

void WebPaneItem::setUrl(const QUrl& url)
{
    d->url = ExternalLinkPage::webUrl(url.toString(QUrl::FullyEncoded));
    d->resourcePage.clear();
    if (d->inScene)
        load();
}

void WebPaneItem::setResourcePage(const QString& name)
{
    d->resourcePage = name;
    d->url.clear();
    if (d->inScene)
        load();
}

QUrl WebPaneItem::url() const
{
    return d->url;
}

QWebEnginePage* WebPaneItem::page() const
{
    return d->page;
}

bool WebPaneItem::isLoaded() const
{
    return d->loaded;
}

QVariant WebPaneItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneHasChanged && scene() && !d->inScene) {
        d->inScene = true;
        // After the dialog is laid out: the page is made at its final size.
        QTimer::singleShot(0, this, &WebPaneItem::load);
    }
    return QGraphicsWidget::itemChange(change, value);
}

void WebPaneItem::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    QGraphicsWidget::resizeEvent(event);
    if (d->proxy)
        d->proxy->setGeometry(QRectF(QPointF(0, 0), event->newSize()));
}

bool WebPaneItem::ensurePage()
{
    if (d->page)
        return true;
    QString why;
    if (!SafeWebPage::engineCanStart(&why)) {
        // The dialog works without its page: it says why the pane is empty.
        if (!d->error) {
            d->error = new QGraphicsSimpleTextItem(this);
            d->error->setBrush(QColor(0x30, 0x30, 0x30));
        }
        d->error->setText(why);
        d->error->setPos(12, 12);
        return false;
    }
    QString channelSource;
    if (!d->published.isEmpty()) {
        QFile channelScript(kChannelScript);
        if (!channelScript.open(QIODevice::ReadOnly))
            return false;
        channelSource = QString::fromUtf8(channelScript.readAll());
    }
    // Nothing of the pages stays on disk after the run.
    d->profile = std::make_unique<QWebEngineProfile>();
    auto* view = new QWebEngineView;
    d->page = new ExternalLinkPage(d->profile.get(), view);
    d->page->setBackgroundColor(Qt::transparent);
    if (!d->published.isEmpty()) {
        // The channel lives in a world of our own: the page's scripts cannot
        // reach it, only the façade that mirrors each object's own
        // properties and signals through the document.
        auto* channel = new QWebChannel(d->page);
        QString relay =
            channelSource + QStringLiteral("new QWebChannel(qt.webChannelTransport, function (channel) {\n");
        for (auto it = d->published.cbegin(); it != d->published.cend(); ++it) {
            if (!it.value())
                continue;
            channel->registerObject(it.key(), it.value());
            const QString members = ownMembers(it.key(), it.value());
            relay += QStringLiteral("  %1;\n  relay(channel.objects.%2, members);\n").arg(members, it.key());
            d->page->scripts().insert(documentScript(
                QStringLiteral("facade-") + it.key(),
                members + QStringLiteral(";\n") + QString::fromLatin1(kFacade), QWebEngineScript::MainWorld));
        }
        relay += QStringLiteral("});\n") + QString::fromLatin1(kRelay);
        d->page->scripts().insert(
            documentScript(QStringLiteral("relay"), relay, QWebEngineScript::ApplicationWorld));
        d->page->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    }
    connect(d->page, &ExternalLinkPage::linkClicked, this, &WebPaneItem::linkClicked);
    connect(d->page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        d->loaded = ok;
        // Until there is a page, and after a failed one, the dialog's own background shows.
        if (d->proxy)
            d->proxy->setVisible(ok);
        Q_EMIT loadFinished(ok);
    });
    view->setPage(d->page);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->setAttribute(Qt::WA_TranslucentBackground);
    d->proxy = new QGraphicsProxyWidget(this);
    d->proxy->setWidget(view);
    d->proxy->setGeometry(QRectF(QPointF(0, 0), size()));
    d->proxy->hide();
    return true;
}

void WebPaneItem::load()
{
    d->loaded = false;
    QString html;
    QUrl base;
    if (!d->resourcePage.isEmpty()) {
        const QString path = LocalResources::resourcePath(d->resourcePage, QMetaType::fromType<QString>());
        QFile file(path);
        if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
            html = QString::fromUtf8(file.readAll());
            base = path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                     : QUrl::fromLocalFile(path);
        }
    }
    if ((html.isEmpty() && d->url.isEmpty()) || !ensurePage()) {
        // Nothing to show: the pane stays empty and the dialog works without it.
        Q_EMIT loadFinished(false);
        return;
    }
    if (!html.isEmpty())
        d->page->setHtml(html, base);
    else
        d->page->load(d->url);
}

} // namespace VeskGames
