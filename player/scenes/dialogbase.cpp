#include "dialogbase.h"

#include "abstracttheme.h"
#include "dialogbackgroundproxywidget.h"

#include <QFrame>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPointer>
#include <QPushButton>

namespace VeskGames {

class DialogBase::Private
{
public:
    // The scene deletes what it holds when it goes first: guarded, not owned outright.
    QPointer<DialogBackgroundProxyWidget> backgroundProxy;
    QWidget* contentWidget = nullptr;
    QPointer<QGraphicsProxyWidget> contentProxy;
    QWidget* dialogWidget = nullptr;
    QFrame* frame = nullptr;
    QPointer<QGraphicsScene> scene;
    AbstractTheme* theme = nullptr;
    bool shown = false;
    QGraphicsRectItem* backdrop = nullptr; ///< a child of the background layer
    QPointF position;
};

DialogBase::DialogBase(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->dialogWidget = new QWidget;
    d->dialogWidget->setObjectName(QStringLiteral("DialogWidget"));
    d->dialogWidget->setAttribute(Qt::WA_NoSystemBackground);
    d->dialogWidget->setAttribute(Qt::WA_TranslucentBackground);
    d->dialogWidget->setFocusPolicy(Qt::NoFocus);
    d->frame = new QFrame(d->dialogWidget);
    d->frame->setObjectName(QStringLiteral("DialogFrame"));
    d->frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    d->frame->setFocusPolicy(Qt::NoFocus);
    // A light panel, as the table's own dialogs have: the dialog reads the
    // same over any table picture.
    d->frame->setStyleSheet(QStringLiteral(
        "QFrame#DialogFrame { background: #f4f3ee; border: 1px solid #6a6a6a; border-radius: 10px; }"));
    d->backgroundProxy = new DialogBackgroundProxyWidget;
    d->backgroundProxy->setWidget(d->dialogWidget);
    d->backgroundProxy->setZValue(10000);

    d->contentWidget = new QWidget;
    d->contentWidget->setAttribute(Qt::WA_NoSystemBackground);
    d->contentWidget->setAttribute(Qt::WA_TranslucentBackground);
    d->contentWidget->setStyleSheet(QStringLiteral("QLabel { color: #202020; background: transparent; }"));
    d->contentProxy = new QGraphicsProxyWidget;
    d->contentProxy->setWidget(d->contentWidget);
    d->contentProxy->setZValue(10001);
    d->contentProxy->setFlag(QGraphicsItem::ItemAcceptsInputMethod);

    d->backdrop = new QGraphicsRectItem(d->backgroundProxy);
    d->backdrop->setBrush(QColor(0, 0, 0, 50));
    d->backdrop->setPen(Qt::NoPen);
    d->backdrop->setFlag(QGraphicsItem::ItemStacksBehindParent);
}

DialogBase::~DialogBase()
{
    if (d->shown)
        hide();
    delete d->contentProxy.data(); // and the content widget
    delete d->backgroundProxy.data();
}

void DialogBase::setScene(QGraphicsScene* scene)
{
    if (d->shown)
        hide();
    d->scene = scene;
}

QGraphicsScene* DialogBase::scene() const
{
    return d->scene;
}

void DialogBase::setTheme(AbstractTheme* theme)
{
    d->theme = theme;
}

AbstractTheme* DialogBase::theme() const
{
    return d->theme;
}

QWidget* DialogBase::contentWidget() const
{
    return d->contentWidget;
}

QFrame* DialogBase::frame() const
{
    return d->frame;
}

QGraphicsRectItem* DialogBase::backdrop() const
{
    return d->backdrop;
}

bool DialogBase::isShown() const
{
    return d->shown;
}

void DialogBase::setPosition(const QPointF& position)
{
    d->position = position;
}

QPointF DialogBase::position() const
{
    return d->position;
}

QPushButton* DialogBase::addButton(const QString& text, bool closes)
{
    auto* button = new QPushButton(text, d->contentWidget);
    button->setFixedHeight(70);
    button->setMinimumWidth(110);
    connect(button, &QPushButton::clicked, this, &DialogBase::slotButtonClicked);
    if (closes) {
        connect(button, &QPushButton::clicked, this, &DialogBase::hide);
        connect(button, &QPushButton::clicked, this, &DialogBase::actionClose);
    }
    return button;
}

void DialogBase::dismiss()
{
    hide();
    d->position = QPointF();
}

void DialogBase::show()
{
    if (!d->scene || !d->contentProxy || !d->backgroundProxy)
        return;
    if (d->shown) {
        d->scene->setActiveWindow(d->contentProxy);
        return;
    }
    d->shown = true;
    d->contentWidget->hide();
    d->scene->addItem(d->contentProxy);
    d->scene->addItem(d->backgroundProxy);
    layout();
    d->contentWidget->show();
    d->scene->setActiveWindow(d->contentProxy);
}

void DialogBase::hide()
{
    if (!d->shown)
        return;
    d->shown = false;
    // They stay alive for the next show.
    for (QGraphicsItem* layer : {static_cast<QGraphicsItem*>(d->contentProxy.data()),
                                 static_cast<QGraphicsItem*>(d->backgroundProxy.data())}) {
        if (layer && layer->scene())
            layer->scene()->removeItem(layer);
    }
}

void DialogBase::layout()
{
    if (!d->scene || !d->contentProxy || !d->backgroundProxy)
        return;
    for (QWidget* child : d->contentWidget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->show();
    d->contentWidget->adjustSize();
    const QRectF area = d->scene->sceneRect();
    d->backgroundProxy->setGeometry(area);
    d->backdrop->setRect(QRectF(QPointF(), area.size()));
    const QSize size = d->contentWidget->size();
    QPoint topLeft = d->position.toPoint();
    if (d->position.isNull())
        topLeft = QPoint((int(area.width()) - size.width()) / 2, (int(area.height()) - size.height()) / 2);
    d->frame->setGeometry(QRect(topLeft, size));
    d->contentProxy->setGeometry(QRectF(area.topLeft() + topLeft, QSizeF(size)));
}

void DialogBase::relayout()
{
    layout();
}

void DialogBase::slotButtonClicked()
{
    if (d->theme)
        d->theme->playSound(AbstractTheme::AudioType(1042), false);
}

} // namespace VeskGames
