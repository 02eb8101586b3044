#ifndef VESKGAMES_WEBPANEITEM_H
#define VESKGAMES_WEBPANEITEM_H

#include <QGraphicsWidget>
#include <QUrl>

#include <memory>

class QWebEnginePage;

namespace VeskGames {

/// A web page as a part of a dialog (news, a greeting band). Its links are
/// reported, not followed; of the objects published to it, its scripts see
/// each one's own properties (as text) and signals, nothing else of the
/// program. The web engine starts once the pane is in a scene, not before.
class WebPaneItem : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit WebPaneItem(QGraphicsItem* parent = nullptr);
    ~WebPaneItem() override;

    /// Puts \a object into the page as \a name: window.<name> from the
    /// start, its values once the "<name>ready" event has come. Before the
    /// first load only.
    void publish(const QString& name, QObject* object);
    /// A web address; anything else loads nothing.
    void setUrl(const QUrl& url);
    /// A page among the resources, e.g. "/gamelist/header.html".
    void setResourcePage(const QString& name);
    QUrl url() const;

    /// Null until the page is made.
    QWebEnginePage* page() const;
    bool isLoaded() const;

Q_SIGNALS:
    void loadFinished(bool ok);
    void linkClicked(const QUrl& url);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;

private:
    void load();
    bool ensurePage();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
