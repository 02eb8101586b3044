#ifndef VESKGAMES_REPLAYWINDOW_H
#define VESKGAMES_REPLAYWINDOW_H

#include "handreplay.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QSlider;
class QToolButton;

namespace VeskGames {

class AbstractTheme;
class HandReplayer;
class PokerTableView;

/// A window that plays one recorded hand on the table: play and pause,
/// a step forward or back, a position to jump to and the speed. Space
/// plays and pauses, the arrow keys step.
class ReplayWindow : public QWidget
{
    Q_OBJECT

public:
    ReplayWindow(const HandReplay& replay, AbstractTheme* theme, QWidget* parent = nullptr);
    ~ReplayWindow() override;

    HandReplayer* replayer() const;
    PokerTableView* view() const;
    QToolButton* playButton() const;
    QToolButton* backButton() const;
    QToolButton* forwardButton() const;
    QSlider* positionSlider() const;
    QComboBox* speedBox() const;
    QLabel* positionLabel() const;

protected:
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void slotPositionChanged(int position);
    void slotPlayingChanged(bool playing);
    void slotSpeedChosen(int index);

private:
    void retranslateUi();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
