// RowPipeline: hands rows from the thread that computes them to a second
// thread that formats and writes them, so that on a machine with two cores
// the formatting of a long sweep costs no time of its own. Rows travel in
// blocks that are reused, at most Depth of them in flight: the memory stays
// bounded however long the sweep, and nothing is allocated once the blocks
// have filled. Only the producing thread may touch the engine.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

template <class Row>
class RowPipeline {
public:
    explicit RowPipeline(std::function<void(const Row &)> consume) : consume(std::move(consume))
    {
        for (int i = 0; i < Depth; ++i)
            free.emplace_back();
        current = take(free);
        worker = std::thread([this] { run(); });
    }
    ~RowPipeline() { Finish(); }
    RowPipeline(const RowPipeline &) = delete;
    RowPipeline &operator=(const RowPipeline &) = delete;

    void Push(const Row &row)
    {
        if (count == current.size())
            current.emplace_back();
        current[count++] = row;
        if (count == BlockRows)
            handOver(false);
    }

    // Hands over the last rows and waits until every row is consumed.
    void Finish()
    {
        if (!worker.joinable())
            return;
        handOver(true);
        worker.join();
    }

private:
    static constexpr size_t BlockRows = 256;
    static constexpr int Depth = 4;
    struct Block {
        std::vector<Row> rows;
        size_t count = 0;
        bool last = false;
    };

    std::vector<Row> take(std::deque<std::vector<Row>> &from)
    {
        std::vector<Row> b = std::move(from.front());
        from.pop_front();
        return b;
    }

    void handOver(bool last)
    {
        std::unique_lock<std::mutex> lock(mutex);
        ready.push_back(Block{std::move(current), count, last});
        changed.notify_all();
        if (!last) {
            changed.wait(lock, [this] { return !free.empty(); });
            current = take(free);
        }
        count = 0;
    }

    void run()
    {
        for (;;) {
            Block block;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [this] { return !ready.empty(); });
                block = std::move(ready.front());
                ready.pop_front();
            }
            for (size_t i = 0; i < block.count; ++i)
                consume(block.rows[i]);
            if (block.last)
                return;
            std::lock_guard<std::mutex> lock(mutex);
            free.push_back(std::move(block.rows));
            changed.notify_all();
        }
    }

    std::function<void(const Row &)> consume;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<Row>> free;
    std::deque<Block> ready;
    std::vector<Row> current;
    size_t count = 0;
    std::thread worker;
};
