// What a call of the page's C functions answers: a list of texts and a list
// of numbers, which tx_reply hands to bindings.js. Bindings.cpp and
// HangarBindings.cpp both answer through these, each answer in the order of
// its layout (REPLIES in bindings.js, HANGAR_REPLIES in hangarBindings.js).
#pragma once

#include "numbers/EngineError.h"

#include <string>

namespace reply {
void Start();  // a new answer
void Text(std::string text);
void Number(double value);
// A core operation's failure as the page takes it: its message, empty when
// it worked.
inline void Failure(const Result<> &done) { Text(done.error); }
}  // namespace reply
