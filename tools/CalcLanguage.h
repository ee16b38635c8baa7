// tethrix-calc's language: --help and every message on standard error in
// the flier's language (--lang CODE, else TETHRIX_LANG), through the core's
// catalogue compiled into the program. Standard output, exit statuses and
// the desktop's LANG and LC_* never change with it. English loads nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct ReportLines;
struct ReportRow;
namespace lang {
class Catalogue;
}

// Our language a code or locale name asks for ("de", "pt-BR", "uk_UA.UTF-8",
// "EN"), or empty when it names none we speak.
std::string CalcLanguageOf(const std::string &code);
// The codes, English first: "en, de, fr, …".
std::string CalcLanguageList();

// Takes --lang CODE (or --lang=CODE) out of args, before any "--", and
// returns the language it asks for, else environment's (TETHRIX_LANG's
// value, empty when not set), else "en". A bad --lang throws UsageError; a
// bad environment value gives English and a warning in warning.
std::string TakeCalcLanguage(std::vector<std::string> &args, const std::string &environment, std::string &warning);

// While it lives, Say on this thread speaks language; then what it spoke before.
class CalcSpeech {
public:
    explicit CalcSpeech(const std::string &language);
    ~CalcSpeech();
    CalcSpeech(const CalcSpeech &) = delete;
    CalcSpeech &operator=(const CalcSpeech &) = delete;

private:
    std::unique_ptr<lang::Catalogue> catalogue;
    const lang::Catalogue *before;
};

// english in the current language: the catalogue's text or template, or
// english as it came. Never data: a path, a key or a value goes around it.
std::string Say(const std::string &english);

// The report's rows in the current language (ReportRowsIn).
std::vector<ReportRow> SaidReportRows(const ReportLines &lines);
