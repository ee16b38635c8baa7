// InputNotes: what the flier is told about inputs beside the figures.
//
// A note names an input that has no physical meaning (a lap time of 0, a
// negative length, a humidity over 100 %) or that the line model replaces
// by the nearest value it takes, and gives its sensible range. The case is
// still calculated as given; a note changes no figure.
//
// Advice names the input behind a failed calculation and what would fix it:
// the input whose built-in value makes the calculation succeed.
#pragma once

#include "Figures.h"

#include <string>
#include <vector>

struct InputNote {
    const InputKey *key = nullptr;  // none: nothing to say
    std::string text;               // one sentence or two, each with its full stop
};

// The notes on fc, solved with the airspeed the model flew (mph), in the
// units shown; in the order of the table of inputs, one per input at most.
std::vector<InputNote> NotesOn(const FlightCase &fc, double airspeedMph, DisplayUnits units, char separator = '.');

// For a case whose calculation fails: the input to change and how, or no
// key when no single input's built-in value makes it succeed.
InputNote AdviceFor(const FlightCase &fc, DisplayUnits units, char separator = '.');

// The advice on a text a field cannot read: the field and an example.
InputNote AdviceOnText(const InputKey &key, DisplayUnits units, char separator = '.');
