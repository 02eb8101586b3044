#ifndef VESKGAMES_GRAPHICSITEMANIMATIONCOMMAND_H
#define VESKGAMES_GRAPHICSITEMANIMATIONCOMMAND_H

#include "command.h"
#include "zellik_export.h"

#include <memory>

class QGraphicsItem;
class QGraphicsItemAnimation;
class QTimeLine;

namespace VeskGames {

/// Moves one graphics item along an animation path; done exactly once,
/// whether the time line runs out or finish() cuts it short.
class ZELLIK_EXPORT GraphicsItemAnimationCommand : public Command
{
    Q_OBJECT

public:
    /// An owned item is temporary: hidden at the end and deleted with the command.
    explicit GraphicsItemAnimationCommand(QGraphicsItem* item = nullptr, bool ownsItem = true,
                                          QObject* parent = nullptr);
    ~GraphicsItemAnimationCommand() override;

    QGraphicsItemAnimation* animation() const;
    QTimeLine* timeLine() const;
    void setItem(QGraphicsItem* item);
    QGraphicsItem* item() const;

    void exec() override;
    void finish() override;

private Q_SLOTS:
    void slotFinished();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
