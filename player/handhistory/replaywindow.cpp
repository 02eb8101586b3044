#include "replaywindow.h"

#include "handreplayer.h"
#include "pokertableview.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace VeskGames {

namespace {

constexpr std::array<double, 5> kSpeeds = {0.5, 1.0, 1.5, 2.0, 4.0};
constexpr int kNormalSpeed = 1;

} // namespace

class ReplayWindow::Private
{
public:
    PokerTableView* view = nullptr;
    std::unique_ptr<HandReplayer> replayer;
    QToolButton* back = nullptr;
    QToolButton* play = nullptr;
    QToolButton* forward = nullptr;
    QSlider* slider = nullptr;
    QLabel* label = nullptr;
    QLabel* speedLabel = nullptr;
    QComboBox* speed = nullptr;
};

ReplayWindow::ReplayWindow(const HandReplay& replay, AbstractTheme* theme, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("ReplayWindow"));
    d->view = new PokerTableView(this);
    d->view->setFocusPolicy(Qt::NoFocus);
    d->replayer = std::make_unique<HandReplayer>(replay, d->view, theme);

    const auto button = [this](QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(this);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(false);
        return b;
    };
    d->back = button(QStyle::SP_MediaSkipBackward);
    d->play = button(QStyle::SP_MediaPlay);
    d->forward = button(QStyle::SP_MediaSkipForward);
    d->slider = new QSlider(Qt::Horizontal, this);
    d->slider->setRange(0, d->replayer->stepCount());
    d->slider->setPageStep(1);
    d->label = new QLabel(this);
    d->speedLabel = new QLabel(this);
    d->speed = new QComboBox(this);
    for (double speed : kSpeeds)
        d->speed->addItem(QString(), speed);
    d->speed->setCurrentIndex(kNormalSpeed);
    d->speedLabel->setBuddy(d->speed);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->addWidget(d->back);
    bar->addWidget(d->play);
    bar->addWidget(d->forward);
    bar->addWidget(d->slider, 1);
    bar->addWidget(d->label);
    bar->addSpacing(12);
    bar->addWidget(d->speedLabel);
    bar->addWidget(d->speed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->view, 1);
    layout->addLayout(bar);

    HandReplayer* r = d->replayer.get();
    connect(d->back, &QToolButton::clicked, r, &HandReplayer::stepBack);
    connect(d->play, &QToolButton::clicked, r, &HandReplayer::togglePlaying);
    connect(d->forward, &QToolButton::clicked, r, [r] {
        r->pause();
        r->stepForward();
    });
    // Every seek builds the table again: while the handle is dragged, only where it is let go.
    const auto seek = [this, r] {
        if (d->slider->value() != r->position()) {
            r->pause();
            r->seek(d->slider->value());
        }
    };
    connect(d->slider, &QSlider::valueChanged, r, [this, seek] {
        if (!d->slider->isSliderDown())
            seek();
    });
    connect(d->slider, &QSlider::sliderReleased, r, seek);
    connect(d->speed, qOverload<int>(&QComboBox::activated), this, &ReplayWindow::slotSpeedChosen);
    connect(r, &HandReplayer::positionChanged, this, &ReplayWindow::slotPositionChanged);
    connect(r, &HandReplayer::playingChanged, this, &ReplayWindow::slotPlayingChanged);

    const auto key = [this](const QKeySequence& sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, d->replayer.get(), slot);
    };
    key(QKeySequence(Qt::Key_Space), &HandReplayer::togglePlaying);
    key(QKeySequence(Qt::Key_Left), &HandReplayer::stepBack);
    key(QKeySequence(Qt::Key_Right), &HandReplayer::stepForward);
    auto* close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    retranslateUi();
    slotPositionChanged(r->position());
    resize(1024, 768 + bar->sizeHint().height());
}

ReplayWindow::~ReplayWindow()
{
    // The table goes before the view that shows it.
    d->replayer.reset();
}

HandReplayer* ReplayWindow::replayer() const
{
    return d->replayer.get();
}

PokerTableView* ReplayWindow::view() const
{
    return d->view;
}

QToolButton* ReplayWindow::playButton() const
{
    return d->play;
}

QToolButton* ReplayWindow::backButton() const
{
    return d->back;
}

QToolButton* ReplayWindow::forwardButton() const
{
    return d->forward;
}

QSlider* ReplayWindow::positionSlider() const
{
    return d->slider;
}

QComboBox* ReplayWindow::speedBox() const
{
    return d->speed;
}

QLabel* ReplayWindow::positionLabel() const
{
    return d->label;
}

void ReplayWindow::retranslateUi()
{
    const qint64 hand = d->replayer->replay().handId();
    setWindowTitle(hand > 0 ? tr("Replay of hand #%1").arg(hand) : tr("Replay of a hand"));
    d->back->setText(tr("Back"));
    d->back->setToolTip(tr("One step back (Left)"));
    d->forward->setText(tr("Forward"));
    d->forward->setToolTip(tr("One step forward (Right)"));
    d->play->setToolTip(tr("Play or pause (Space)"));
    d->speedLabel->setText(tr("&Speed:"));
    for (int i = 0; i < d->speed->count(); ++i)
        d->speed->setItemText(i, tr("%1×").arg(QLocale().toString(kSpeeds[size_t(i)])));
    slotPlayingChanged(d->replayer->isPlaying());
    slotPositionChanged(d->replayer->position());
}

void ReplayWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ReplayWindow::slotPositionChanged(int position)
{
    const QSignalBlocker quiet(d->slider);
    d->slider->setValue(position);
    d->label->setText(tr("Step %1 of %2").arg(position).arg(d->replayer->stepCount()));
    d->back->setEnabled(position > 0);
    d->forward->setEnabled(position < d->replayer->stepCount());
}

void ReplayWindow::slotPlayingChanged(bool playing)
{
    d->play->setText(playing ? tr("Pause") : tr("Play"));
    d->play->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void ReplayWindow::slotSpeedChosen(int index)
{
    d->replayer->setSpeed(d->speed->itemData(index).toDouble());
}

} // namespace VeskGames
