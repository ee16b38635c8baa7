// ReportLines: the printed report as lines of text, as the flier's case
// (CaseEditor) shows them, and
// the page's rows as every page drawer (PDF, printer, web page) lays them:
// k counts line heights from the "Input Data" heading.
#pragma once

#include "physics/CalcEngine.h"
#include "case/Units.h"

#include <ctime>
#include <string>
#include <vector>

struct ReportLines {
    std::string airplaneName;
    std::string inputHeading = "Input Data";
    std::string resultHeading = "Computed Data";
    int numLines = 0;
    std::vector<std::string> inputCaptions;   // 8: Number of Lines … Wing Area
    std::vector<std::string> inputTexts;      // 7: the edit fields' texts, Line Diameter … Wing Area
    std::vector<std::string> conditionTexts;  // arm length … pull test multiple, four significant digits
    std::vector<std::string> resultTexts;     // the result labels, top to bottom
    std::vector<std::string> differences;     // the inputs that differ from A's, one a row
    std::string comparedWith;                 // "A: Ringcruiser" when the figures are compared, else empty
    int firstLineFigure = 0;                  // the result that starts the line figures, a line below the rest
    DisplayUnits units = DisplayUnits::Imperial;  // of the input and condition texts
    std::string printed;                      // "Printed Sun Dec 06 17:20:04 2026"
};

// "Printed Sun Dec 06 17:20:04 2026": English names whatever the locale.
std::string PrintedLine(const std::tm &localTime);

namespace lang {
class Catalogue;
}

struct ReportRow {
    int k;             // line heights below the "Input Data" heading
    std::string text;
    bool bold;
    bool centred;
    bool measure;      // the line height is measured again on this row
};
// Every row below the title (the airplane name), top to bottom.
std::vector<ReportRow> ReportRows(const ReportLines &lines);
// The same in a catalogue's language; the inputs' texts, the conditions'
// values and the name compared with stay as they were typed.
std::vector<ReportRow> ReportRowsIn(const ReportLines &lines, const lang::Catalogue &catalogue);

constexpr const char *ReportBanner = "*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***";
constexpr const char *ReportJobTitle = "Tethrix Print Job";
// The document's title, which also gives the print dialog's proposed PDF
// file name: the airplane's name before the job title, with the characters
// a file name cannot hold replaced.
std::string ReportDocumentTitle(const std::string &airplaneName);
