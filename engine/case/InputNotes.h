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

#include "case/Figures.h"

#include <string>
#include <vector>

struct InputNote {
    const InputKey *key = nullptr;  // none: nothing to say
    std::string text;               // one sentence or two, each with its full stop
};

// The notes on fc, solved with the airspeed the model flew (mph), in the
// units shown; in the order of the table of inputs, one per input at most.
// Given fc's solved figures (imperial, in the order of Figures), a pull test
// at or below the highest tension in flight is noted on the pull test's
// input in force.
std::vector<InputNote> NotesOn(const FlightCase &fc, double airspeedMph, DisplayUnits units, char separator = '.',
                               const double *figures = nullptr);

// For a case whose calculation fails: the input to change and how, or no
// key when no single input's built-in value makes it succeed.
InputNote AdviceFor(const FlightCase &fc, DisplayUnits units, char separator = '.');

// Why the flying conditions of withConditions must not be kept for the next
// start, with the advice on the condition to mend, or no key and no text:
// they cannot be calculated for the built-in airplane, which every start and
// a plain tethrix-calc calculate first, or for the airplane edited (whose
// conditions are those in force), which calculates under its own.
struct ConditionsRefusal {
    std::string error;  // the reason, and that they are not saved; empty when they may be kept
    InputNote advice;
};
ConditionsRefusal RefuseConditions(const FlightCase &edited, const FlightCase &withConditions, DisplayUnits units,
                                   char separator = '.');

// A sentence when an altimeter setting (inHg, or hPa in metric) is outside
// what any real altimeter shows, naming the other unit when it fits that;
// empty otherwise.
std::string AltimeterSettingNote(float setting, DisplayUnits units, char separator = '.');

// The advice on a text a field cannot read (typed): the field and an
// example, and the decimal mark it takes when typed holds the other one.
InputNote AdviceOnText(const InputKey &key, DisplayUnits units, char separator = '.', const std::string &typed = {});
