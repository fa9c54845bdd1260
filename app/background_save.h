#pragma once
// One piece of work at a time on a thread of its own, its end handled back on
// the GUI thread: the writing, syncing and renaming of a save, so the window
// never waits for the disk. The end (done) is told through the event loop as
// soon as the work is over, or at once by Wait, whichever comes first; never
// both. An exception raised by the work is handed to done, never thrown
// across threads or through the event loop.

#include <QObject>

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class TBackgroundSave {
public:
    using TDone = std::function<void(std::exception_ptr failure)>;

    TBackgroundSave() = default;
    // Waits for the work; its end is not handled.
    ~TBackgroundSave();
    TBackgroundSave(const TBackgroundSave &) = delete;
    TBackgroundSave &operator=(const TBackgroundSave &) = delete;

    // Work is running, or over with its end not yet handled.
    bool Busy() const { return thread_.joinable(); }
    // Starts work on its thread; done runs on this thread afterwards. Only
    // when not Busy.
    void Start(std::function<void()> work, TDone done);
    // Blocks until the work is over and handles its end here; slow is called
    // once when that takes longer than slowMs.
    void Wait(int slowMs, const std::function<void()> &slow);

private:
    void Finish();

    QObject receiver_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable over_;
    bool finished_ = false;
    std::exception_ptr failure_;
    TDone done_;
};
