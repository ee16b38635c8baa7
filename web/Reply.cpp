// The answer of the page's C functions, in one place for each module that
// answers through it: the counts, the numbers' address, then each text's
// address and length, where wire.js finds them.
#include "web/Reply.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <vector>

namespace {

struct Reply {
    std::vector<std::string> texts;
    std::vector<double> numbers;
    std::vector<uint32_t> words;
} answer;

}  // namespace

void reply::Start()
{
    answer.texts.clear();
    answer.numbers.clear();
}
void reply::Text(std::string text) { answer.texts.push_back(std::move(text)); }
void reply::Number(double value) { answer.numbers.push_back(value); }

extern "C" EMSCRIPTEN_KEEPALIVE const uint32_t *tx_reply()
{
    std::vector<uint32_t> &w = answer.words;
    w.assign({static_cast<uint32_t>(answer.texts.size()), static_cast<uint32_t>(answer.numbers.size()),
              static_cast<uint32_t>(reinterpret_cast<uintptr_t>(answer.numbers.data()))});
    for (const std::string &t : answer.texts) {
        w.push_back(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(t.data())));
        w.push_back(static_cast<uint32_t>(t.size()));
    }
    return w.data();
}

// Room for a call's texts, valid until the next call asks for room.
extern "C" EMSCRIPTEN_KEEPALIVE char *tx_arena(uint32_t size)
{
    static std::string arena;
    arena.resize(size);
    return arena.data();
}
