#include "eventstepcommand.h"

namespace VeskGames {

EventStepCommand::EventStepCommand(Maker make, int msec, QObject* parent)
    : Command(parent), m_make(std::move(make)), m_msec(msec)
{}

EventStepCommand::~EventStepCommand()
{
    delete m_animation;
}

void EventStepCommand::exec()
{
    emitStart();
    if (m_applied) {
        slotAnimationDone();
        return;
    }
    m_applied = true;
    m_animation = m_make ? m_make(m_msec) : nullptr;
    if (!m_animation) {
        slotAnimationDone();
        return;
    }
    connect(m_animation, &Command::done, this, &EventStepCommand::slotAnimationDone);
    m_animation->exec();
}

void EventStepCommand::finish()
{
    if (!m_applied) {
        m_applied = true;
        m_animation = m_make ? m_make(0) : nullptr;
    }
    if (m_animation) {
        m_animation->disconnect(this);
        m_animation->finish();
    }
    slotAnimationDone();
}

void EventStepCommand::slotAnimationDone()
{
    if (m_done)
        return;
    m_done = true;
    emitDone();
}

} // namespace VeskGames
