#pragma once
// Lets one other thread read a store's cells (TCells::WriteText) while the
// store's own thread goes on changing them. The reader writes the store as it
// was when the read began, taking it a row at a time:
// - a cell's value changes at once: its text as it was is kept first, and the
//   reader writes that instead;
// - rows change at once (added, removed, moved, sorted): the reader's cells
//   of the rows it has still to write are copied first, once per read, and
//   the store destroys the cells it removes only after the reader is done;
// - columns, a load and a clearing of every row wait until the reader is done.
// Either side waits for the other at most for one row. With no reader, a
// change costs one atomic load.

#include <QHash>
#include <QString>

#include <atomic>
#include <cassert>
#include <mutex>
#include <thread>
#include <vector>

class TCell;

class TCellsReadGuard {
public:
    // Copied rows' cells, column by column. Their room is kept from read to
    // read: memory never touched before costs more to fill than the copy
    // itself (a million rows: about 0.1 s against 5 ms).
    using TFrozenCells = std::vector<const TCell *>;

    // On the store's thread, before the reader is given the store of rows
    // rows.
    void Begin(int rows)
    {
        assert(!reading_.load());
        kept_.clear();
        rows_ = rows;
        next_ = 0;
        owner_ = std::this_thread::get_id();
        reading_.store(true, std::memory_order_release);
    }
    // On the reader's thread, after its last read of the store.
    void End()
    {
        {
            const std::lock_guard lock(mutex_);
            kept_.clear();
            frozen_.clear();
            frozenFrom_ = -1;
        }
        reading_.store(false, std::memory_order_release);
        reading_.notify_all();
    }
    bool Reading() const { return reading_.load(std::memory_order_acquire); }
    // On the store's thread, with no reader: gives back the copies' room.
    void ReleaseCopies()
    {
        assert(!Reading());
        TFrozenCells().swap(frozen_);
    }
    // The calling thread reads the store from elsewhere, and sees it as it
    // was at Begin: Rows long.
    bool IsReader() const { return Reading() && std::this_thread::get_id() != owner_; }
    int Rows() const { return rows_; }
    // On the store's thread, before a change the reader must not see.
    void WaitForReader() const
    {
        while (reading_.load(std::memory_order_acquire))
            reading_.wait(true, std::memory_order_acquire);
    }
    // On the store's thread, before cell's value changes: keeps what text()
    // gives, the cell's text as it is, unless a text is kept for the cell
    // already.
    template <typename Text>
    void KeepBeforeChange(const TCell *cell, Text text)
    {
        if (!Reading())
            return;
        const TOwnerLock lock(*this);
        if (!kept_.contains(cell))
            kept_.insert(cell, text());
    }
    // On the store's thread, before the rows change: copy(from, cells)
    // appends the cells of rows from onwards, column by column, for the
    // reader, unless they were copied already.
    template <typename Copy>
    void FreezeRows(Copy copy)
    {
        if (!Reading())
            return;
        const TOwnerLock lock(*this);
        if (frozenFrom_ >= 0)
            return;
        frozenFrom_ = next_;
        copy(frozenFrom_, frozen_);
    }

    // The reader's hold on one row: the store changes none of its cells meanwhile.
    class TRowRead {
    public:
        TRowRead(const TCellsReadGuard &guard, int row) : lock_(OwnerFirst(guard))
        {
            guard.next_ = row + 1;
            if (!guard.kept_.isEmpty())
                kept_ = &guard.kept_;
            if (guard.frozenFrom_ >= 0) {
                frozen_ = guard.frozen_.data() + (row - guard.frozenFrom_);
                stride_ = size_t(guard.rows_ - guard.frozenFrom_);
            }
        }
        // The rows have changed since the read began: the row's cells are
        // FrozenCell's, not the store's.
        bool Frozen() const { return frozen_ != nullptr; }
        const TCell *FrozenCell(int column) const { return frozen_[size_t(column) * stride_]; }
        // The text to write for cell instead of its own, or null.
        const QString *Kept(const TCell *cell) const
        {
            if (!kept_)
                return nullptr;
            const auto at = kept_->constFind(cell);
            return at == kept_->cend() ? nullptr : &at.value();
        }

    private:
        // The mutex does not queue: a reader taking it row after row would
        // keep the store's thread out for the whole read.
        static std::mutex &OwnerFirst(const TCellsReadGuard &guard)
        {
            for (int wanted; (wanted = guard.ownerWaiting_.load()) != 0;)
                guard.ownerWaiting_.wait(wanted);
            return guard.mutex_;
        }

        std::unique_lock<std::mutex> lock_;
        const QHash<const TCell *, QString> *kept_ = nullptr;
        const TCell *const *frozen_ = nullptr;
        size_t stride_ = 0;
    };

private:
    // The store's thread holding the mutex, ahead of the reader.
    class TOwnerLock {
    public:
        explicit TOwnerLock(TCellsReadGuard &guard) : guard_(guard)
        {
            guard_.ownerWaiting_.fetch_add(1);
            guard_.mutex_.lock();
        }
        ~TOwnerLock()
        {
            guard_.mutex_.unlock();
            guard_.ownerWaiting_.fetch_sub(1);
            guard_.ownerWaiting_.notify_all();
        }
        TOwnerLock(const TOwnerLock &) = delete;
        TOwnerLock &operator=(const TOwnerLock &) = delete;

    private:
        TCellsReadGuard &guard_;
    };

    std::atomic<bool> reading_ = false;
    std::atomic<int> ownerWaiting_ = 0;
    std::thread::id owner_;
    int rows_ = 0;
    mutable std::mutex mutex_;
    // Under mutex_: the row the reader comes to next, the kept texts and the
    // copied rows (from frozenFrom_ on; -1 while the rows are the store's).
    mutable int next_ = 0;
    QHash<const TCell *, QString> kept_;
    TFrozenCells frozen_;
    int frozenFrom_ = -1;
};
