// LogPrint: an airplane's trim log on paper or in a PDF, part of the report
// module (libtethrix_report), loaded when a flier first prints a log. A log
// is too wide for a page as a table: each flight is printed as a block of
// its column titles and values, the ones with a value only.
#pragma once

#include "report/ReportPage.h"  // PrintDialogSeam

#include <string>
#include <vector>

class QPagedPaintDevice;

// The HTML of the pages: title, then one block per row of table (whose
// first row holds the column titles).
std::string LogPrintHtml(const std::string &title, const std::vector<std::vector<std::string>> &table);

struct LogPrintModule {
    // Asks for a printer through dialog (false: cancelled, nothing done).
    // A printer prints the log; a PDF file is drawn into pdf and named in
    // pdfPath, for the caller to write safely.
    bool (*print)(QWidget *parent, const std::string &title, const std::vector<std::vector<std::string>> &table,
                  const PrintDialogSeam &dialog, std::string &pdf, std::string &pdfPath);
};

extern "C" const LogPrintModule *TethrixLogPrintModule();
