// SweepThreads: a long sweep solved on the cores the program may use, one
// engine per thread, in blocks of rows. The rows reach the sink in order, on
// the calling thread, which formats and writes them. At most two blocks per
// thread are in flight: the memory stays bounded however long the sweep.
#pragma once

#include "case/Sweep.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <sched.h>

// The cores this process may run on (its affinity), at least 1.
inline int UsableCores()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

// solve(first, count, out) fills out with rows first … first + count − 1.
inline void SweepOnThreads(long rows, int threads,
                           const std::function<void(long, long, std::vector<SweepRow> &)> &solve,
                           const std::function<void(const SweepRow &)> &sink)
{
    constexpr long BlockRows = 256;
    const long blocks = (rows + BlockRows - 1) / BlockRows;
    const long ring = 2L * threads;
    std::vector<std::vector<SweepRow>> slots(static_cast<size_t>(ring));
    std::vector<long> filled(static_cast<size_t>(ring), -1);  // the block a slot holds
    long handed = 0;   // blocks claimed by a worker
    long consumed = 0;  // blocks the sink has taken
    bool stop = false;
    std::exception_ptr failure;
    std::mutex mutex;
    std::condition_variable changed;

    const auto work = [&] {
        for (;;) {
            long b;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return stop || handed >= blocks || handed < consumed + ring; });
                if (stop || handed >= blocks)
                    return;
                b = handed++;
            }
            std::vector<SweepRow> &slot = slots[static_cast<size_t>(b % ring)];
            try {
                solve(b * BlockRows, std::min(BlockRows, rows - b * BlockRows), slot);
            } catch (...) {
                std::lock_guard<std::mutex> lock(mutex);
                if (!failure)
                    failure = std::current_exception();
                stop = true;
                changed.notify_all();
                return;
            }
            std::lock_guard<std::mutex> lock(mutex);
            filled[static_cast<size_t>(b % ring)] = b;
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(work);
    try {
        for (long b = 0; b < blocks; ++b) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return stop || filled[static_cast<size_t>(b % ring)] == b; });
                if (stop)
                    break;
            }
            for (const SweepRow &row : slots[static_cast<size_t>(b % ring)])
                sink(row);
            std::lock_guard<std::mutex> lock(mutex);
            filled[static_cast<size_t>(b % ring)] = -1;
            consumed = b + 1;
            changed.notify_all();
        }
    } catch (...) {
        std::lock_guard<std::mutex> lock(mutex);
        failure = std::current_exception();
        stop = true;
        changed.notify_all();
    }
    for (std::thread &t : pool)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
}
