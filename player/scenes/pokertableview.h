#ifndef VESKGAMES_POKERTABLEVIEW_H
#define VESKGAMES_POKERTABLEVIEW_H

#include <QGraphicsView>

#include <memory>

namespace VeskGames {

class ResizeItem;

/// The program's window: shows a scene scaled to fit with its proportions
/// kept, maps keys to table actions and leaves closing to the program.
class PokerTableView : public QGraphicsView
{
    Q_OBJECT

public:
    enum Action {
        ActionNone = 0,
        ActionFold = 1,
        ActionCheckCall = 2,
        ActionBetRaise = 3,
        ActionSlideUp = 4,
        ActionSlideDown = 5,
        ActionHalfPot = 6,
        ActionTwoThirdsPot = 7,
        ActionPot = 8
    };
    Q_ENUM(Action)

    explicit PokerTableView(QWidget* parent = nullptr);
    ~PokerTableView() override;

    void setKeyboardCommands(const QString& text);
    /// Key code (one byte, upper case) to action.
    QMap<int, Action> keyMap() const;
    void fitSceneInView(const QRectF& rect, Qt::AspectRatioMode mode);
    /// Shows \a scene, fitted to the window.
    void showScene(QGraphicsScene* scene);
    ResizeItem* resizeGrip() const;

public Q_SLOTS:
    void adjustSizeToScene();

Q_SIGNALS:
    void closeWindow();
    void actionKeyPressed(VeskGames::PokerTableView::Action action);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
