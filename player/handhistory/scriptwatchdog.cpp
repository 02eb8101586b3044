#include "scriptwatchdog.h"

#include <QJSEngine>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace VeskGames {

class ScriptWatchdog::Private
{
public:
    QJSEngine* engine = nullptr;
    std::mutex mutex;
    std::condition_variable changed;
    std::chrono::steady_clock::time_point deadline;
    bool armed = false;
    bool fired = false;
    bool quit = false;
    std::thread thread;

    void watch()
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (!quit) {
            if (!armed) {
                changed.wait(lock);
                continue;
            }
            if (changed.wait_until(lock, deadline) == std::cv_status::timeout && armed &&
                std::chrono::steady_clock::now() >= deadline) {
                // Safe from another thread; the engine throws at its next check.
                engine->setInterrupted(true);
                fired = true;
                armed = false;
            }
        }
    }
};

ScriptWatchdog::ScriptWatchdog(QJSEngine* engine) : d(std::make_unique<Private>())
{
    d->engine = engine;
    d->thread = std::thread([this] { d->watch(); });
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->quit = true;
    }
    d->changed.notify_all();
    d->thread.join();
}

void ScriptWatchdog::arm(int msec)
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(msec);
        d->armed = true;
        d->fired = false;
    }
    d->engine->setInterrupted(false);
    d->changed.notify_all();
}

bool ScriptWatchdog::disarm()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->armed = false;
    d->changed.notify_all();
    return d->fired;
}

} // namespace VeskGames
