#include "pokertablescene.h"

#include "abstracttheme.h"
#include "dialogbase.h"
#include "infodialogitem.h"
#include "themeddialogitem.h"

#include <QCoreApplication>
#include <QGraphicsWidget>
#include <QPainter>
#include <QPointer>

namespace VeskGames {

class PokerTableScene::Private
{
public:
    struct Entry
    {
        QPointer<DialogBase> widgetDialog;
        QPointer<QGraphicsWidget> itemDialog;
    };

    AbstractTheme* theme = nullptr;
    QList<Entry> stack;
    QList<QPointer<QGraphicsWidget>> queue;
};

PokerTableScene::PokerTableScene(QObject* parent, AbstractTheme* theme)
    : AbstractPokerTableScene(parent), d(std::make_unique<Private>())
{
    setItemIndexMethod(NoIndex);
    d->theme = theme;
}

PokerTableScene::~PokerTableScene()
{
    // Stacked dialogs go at once, queued ones with them.
    while (!d->stack.isEmpty()) {
        const Private::Entry entry = d->stack.takeLast();
        delete entry.widgetDialog.data();
        delete entry.itemDialog.data();
    }
    for (const QPointer<QGraphicsWidget>& queued : std::as_const(d->queue))
        delete queued.data();
}

AbstractTheme* PokerTableScene::theme() const
{
    return d->theme;
}

InfoDialogItem* PokerTableScene::createInfoDialog()
{
    InfoDialogItem* dialog = d->theme ? d->theme->createInfoDialog() : new InfoDialogItem;
    addItem(dialog);
    dialog->hide();
    return dialog;
}

void PokerTableScene::pushDialog(QGraphicsWidget* dialog, bool visible)
{
    if (!dialog)
        return;
    if (!d->stack.isEmpty() && d->stack.last().itemDialog == dialog) {
        // Already on top: shown again, not stacked twice.
        if (visible)
            present(dialog);
        return;
    }
    // Further down, or waiting: it moves to the top rather than appearing twice.
    for (qsizetype i = 0; i < d->stack.size(); ++i) {
        if (d->stack.at(i).itemDialog == dialog) {
            d->stack.removeAt(i);
            break;
        }
    }
    d->queue.removeAll(dialog);
    hideTop();
    if (dialog->scene() != this)
        addItem(dialog);
    d->stack.append({nullptr, dialog});
    if (auto* themed = qobject_cast<ThemedDialogItem*>(dialog))
        connect(themed, &ThemedDialogItem::actionClose, this, &PokerTableScene::popDialog,
                Qt::UniqueConnection);
    if (visible)
        present(dialog);
    else
        dialog->setVisible(false);
}

void PokerTableScene::present(QGraphicsWidget* dialog)
{
    // In the middle of the table, taking the keys: wherever it was made,
    // whatever size its text gave it since.
    auto* themed = qobject_cast<ThemedDialogItem*>(dialog);
    dialog->setVisible(true);
    if (themed)
        themed->centerDialog();
    if (dialog->isPanel())
        setActivePanel(dialog);
    if (themed)
        themed->focusFirst();
}

void PokerTableScene::pushDialog(DialogBase* dialog)
{
    if (!dialog)
        return;
    hideTop();
    d->stack.append({dialog, nullptr});
    connect(dialog, &DialogBase::actionClose, this, &PokerTableScene::popDialog, Qt::UniqueConnection);
    dialog->show();
}

void PokerTableScene::showDialog(QGraphicsWidget* dialog)
{
    if (!dialog)
        return;
    if (!d->stack.isEmpty()) {
        // It waits, hidden, until the dialogs before it have closed.
        if (dialog->scene() != this)
            addItem(dialog);
        dialog->setVisible(false);
        d->queue.append(dialog);
        return;
    }
    pushDialog(dialog, true);
}

void PokerTableScene::hideTop()
{
    // Covered, not closed: it comes back when the dialogs above it are gone.
    if (d->stack.isEmpty())
        return;
    const Private::Entry& top = d->stack.last();
    if (top.widgetDialog)
        top.widgetDialog->hide();
    if (top.itemDialog)
        top.itemDialog->setVisible(false);
}

void PokerTableScene::closeTop()
{
    const Private::Entry entry = d->stack.takeLast();
    if (entry.widgetDialog) {
        entry.widgetDialog->hide();
        entry.widgetDialog->deleteLater();
    }
    if (entry.itemDialog) {
        entry.itemDialog->setVisible(false);
        entry.itemDialog->deleteLater();
    }
}

void PokerTableScene::showEntry(int index)
{
    const Private::Entry& entry = d->stack.at(index);
    if (entry.widgetDialog)
        entry.widgetDialog->show();
    if (entry.itemDialog)
        present(entry.itemDialog);
}

void PokerTableScene::popDialog()
{
    if (!d->stack.isEmpty()) {
        closeTop();
        if (!d->stack.isEmpty()) {
            showEntry(int(d->stack.size()) - 1);
            return;
        }
    }
    // The most recently queued dialog comes first.
    while (!d->queue.isEmpty()) {
        const QPointer<QGraphicsWidget> next = d->queue.takeLast();
        if (next) {
            pushDialog(next, true);
            return;
        }
    }
}

QGraphicsWidget* PokerTableScene::topDialog() const
{
    return d->stack.isEmpty() ? nullptr : d->stack.last().itemDialog.data();
}

DialogBase* PokerTableScene::topWidgetDialog() const
{
    return d->stack.isEmpty() ? nullptr : d->stack.last().widgetDialog.data();
}

int PokerTableScene::dialogCount() const
{
    return int(d->stack.size());
}

int PokerTableScene::queuedDialogCount() const
{
    return int(d->queue.size());
}

void PokerTableScene::clearDialogs()
{
    while (!d->stack.isEmpty())
        closeTop();
    for (const QPointer<QGraphicsWidget>& queued : std::as_const(d->queue))
        delete queued.data();
    d->queue.clear();
}

QString PokerTableScene::tableImageName() const
{
    return QString();
}

void PokerTableScene::setupScene() {}

void PokerTableScene::drawBackground(QPainter* painter, const QRectF& rect)
{
    // Nothing is drawn outside the design area.
    painter->save();
    painter->setClipRect(sceneRect());
    painter->setBrushOrigin(0, 0);
    painter->fillRect(rect, backgroundBrush());
    painter->restore();
}

bool PokerTableScene::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Dialogs and buttons retranslate themselves on this event.
        const QList<QGraphicsItem*> all = items();
        for (QGraphicsItem* item : all) {
            if (item->isWidget()) {
                QEvent change(QEvent::LanguageChange);
                QCoreApplication::sendEvent(static_cast<QGraphicsWidget*>(item), &change);
            }
        }
    }
    return AbstractPokerTableScene::event(event);
}

} // namespace VeskGames
