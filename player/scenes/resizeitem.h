#ifndef VESKGAMES_RESIZEITEM_H
#define VESKGAMES_RESIZEITEM_H

#include <QSizeGrip>

#include <memory>

namespace VeskGames {

/// The window's corner grip: the window follows it in whole 4:3 steps, at
/// least 640 by 480 and at most nine tenths of the desktop.
class ResizeItem : public QSizeGrip
{
    Q_OBJECT

public:
    static constexpr int Size = 19;

    explicit ResizeItem(QWidget* parent);
    ~ResizeItem() override;

    /// The size the window takes for a proposed one on a desktop of \a desktop.
    static QSize snap(QSize proposed, QSize desktop);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
