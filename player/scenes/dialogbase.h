#ifndef VESKGAMES_DIALOGBASE_H
#define VESKGAMES_DIALOGBASE_H

#include <QObject>
#include <QPointF>

#include <memory>

class QFrame;
class QGraphicsProxyWidget;
class QGraphicsRectItem;
class QGraphicsScene;
class QPushButton;
class QWidget;

namespace VeskGames {

class AbstractTheme;

/// Puts an ordinary widget dialog over a table: a dimmer, a frame that takes
/// all input from the table, and the dialog's own widgets on top.
class DialogBase : public QObject
{
    Q_OBJECT

public:
    explicit DialogBase(QObject* parent = nullptr);
    ~DialogBase() override;

    void setScene(QGraphicsScene* scene);
    QGraphicsScene* scene() const;
    void setTheme(AbstractTheme* theme);
    AbstractTheme* theme() const;
    /// The dialog builds its controls in here.
    QWidget* contentWidget() const;
    QFrame* frame() const;
    QGraphicsRectItem* backdrop() const;
    bool isShown() const;
    /// The top-left corner; the null point centres the dialog.
    void setPosition(const QPointF& position);
    QPointF position() const;
    QPushButton* addButton(const QString& text, bool closes);

    virtual void dismiss();
    virtual void layout();

public Q_SLOTS:
    virtual void show();
    virtual void hide();
    void slotButtonClicked();

Q_SIGNALS:
    void actionClose();

protected:
    virtual void relayout();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
