#include "app/background_save.h"

#include <chrono>
#include <utility>

TBackgroundSave::~TBackgroundSave()
{
    if (thread_.joinable())
        thread_.join();
}

void TBackgroundSave::Start(std::function<void()> work, TDone done)
{
    finished_ = false;
    failure_ = nullptr;
    done_ = std::move(done);
    thread_ = std::thread([this, work = std::move(work)]() mutable {
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        // What the work held is freed here, not on the GUI thread.
        work = nullptr;
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
            failure_ = failure;
        }
        over_.notify_all();
        // Dropped unseen when the receiver is gone first.
        QMetaObject::invokeMethod(
            &receiver_, [this] { Finish(); }, Qt::QueuedConnection);
    });
}

void TBackgroundSave::Wait(int slowMs, const std::function<void()> &slow)
{
    if (!thread_.joinable())
        return;
    {
        std::unique_lock lock(mutex_);
        if (!over_.wait_for(lock, std::chrono::milliseconds(slowMs),
                            [this] { return finished_; })) {
            lock.unlock();
            if (slow)
                slow();
            lock.lock();
            over_.wait(lock, [this] { return finished_; });
        }
    }
    Finish();
}

void TBackgroundSave::Finish()
{
    // Already handled by a Wait, or a later work that is not over yet.
    if (!thread_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        if (!finished_)
            return;
    }
    thread_.join();
    TDone done = std::exchange(done_, nullptr);
    done(std::exchange(failure_, nullptr));
}
