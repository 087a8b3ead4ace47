#include "OrderedOutput.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace pagaluz {

namespace {

// A piece of text between the worker that makes it and the writer.
struct Slot {
    std::string text;
    bool ready = false;
};

// The workers and the writer share a ring of slots: piece i goes to slot i % slots.size(),
// which is free once piece i - slots.size() has been written.
class OrderedWork {
public:
    OrderedWork(std::size_t count, const std::function<void(std::size_t, std::string &)> &make,
                std::size_t workerCount)
        : m_count(count), m_make(make), m_slots(2 * workerCount)
    {
        try {
            for (std::size_t worker = 0; worker < workerCount; ++worker)
                m_workers.emplace_back([this] { work(); });
        } catch (...) {
            stopAndJoin(); // a thread that could not be started
            throw;
        }
    }

    OrderedWork(const OrderedWork &) = delete;
    OrderedWork &operator=(const OrderedWork &) = delete;

    ~OrderedWork() { stopAndJoin(); }

    void writeAll(std::ostream &out)
    {
        for (std::size_t index = 0; index < m_count; ++index) {
            std::string text = waitForPiece(index);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            givePlaceBack(index, std::move(text));
        }
    }

private:
    Slot &slotOf(std::size_t index) { return m_slots[index % m_slots.size()]; }

    void stopAndJoin()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_changed.notify_all();
        for (std::thread &worker : m_workers)
            worker.join();
    }

    std::string waitForPiece(std::size_t index)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return slotOf(index).ready || m_failure; });
        if (m_failure)
            std::rethrow_exception(m_failure);
        slotOf(index).ready = false;
        return std::move(slotOf(index).text);
    }

    void givePlaceBack(std::size_t index, std::string text)
    {
        {
            const std::lock_guard lock(m_mutex);
            slotOf(index).text = std::move(text);
            ++m_written;
        }
        m_changed.notify_all();
    }

    // The next piece to make, with the text of its slot; false when there is none or the work
    // stopped.
    bool claim(std::size_t &index, std::string &text)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] {
            return m_stopped || m_failure || m_claimed == m_count ||
                   m_claimed < m_written + m_slots.size();
        });
        if (m_stopped || m_failure || m_claimed == m_count)
            return false;
        index = m_claimed++;
        text = std::move(slotOf(index).text);
        return true;
    }

    void deliver(std::size_t index, std::string text)
    {
        {
            const std::lock_guard lock(m_mutex);
            slotOf(index).text = std::move(text);
            slotOf(index).ready = true;
        }
        m_changed.notify_all();
    }

    void fail(std::exception_ptr failure)
    {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_failure)
                m_failure = failure;
        }
        m_changed.notify_all();
    }

    void work()
    {
        std::size_t index = 0;
        std::string text;
        while (claim(index, text)) {
            text.clear();
            try {
                m_make(index, text);
            } catch (...) {
                fail(std::current_exception());
                return;
            }
            deliver(index, std::move(text));
        }
    }

    const std::size_t m_count;
    const std::function<void(std::size_t, std::string &)> &m_make;
    std::vector<Slot> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_claimed = 0;
    std::size_t m_written = 0;
    bool m_stopped = false;
    std::exception_ptr m_failure;
    std::vector<std::thread> m_workers; // last: they start once everything else is set up
};

} // namespace

void writeInOrder(std::size_t count, const std::function<void(std::size_t, std::string &)> &make,
                  std::ostream &out)
{
    const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
    OrderedWork(count, make, std::min(cores, std::max<std::size_t>(count, 1))).writeAll(out);
}

} // namespace pagaluz
