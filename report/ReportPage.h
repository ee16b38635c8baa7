// ReportPage: the one-page report drawn on a printer or into a PDF. A module
// of its own (libtethrix_report), loaded on first use, so that neither the
// window nor tethrix-calc loads Qt's printing and font stack before a flier
// asks for a page.
#pragma once

#include "case/ReportLines.h"

#include <functional>
#include <string>
#include <vector>

// The page's font: Arial, as it has always asked; where that is not
// installed its metric twin, then the sans face nearly every Linux system
// has (a plain fontconfig may offer a mathematical face for Arial). Both
// hold the Latin, Cyrillic and Greek letters; a letter the first lacks comes
// from the next.
inline constexpr const char *ReportFontFamilies[] = {"Arial", "Liberation Sans", "DejaVu Sans"};

class QPainter;
class QPaintDevice;
class QPrinter;
class QWidget;

// Lays out and draws the page on an active painter whose device is pageWidth
// device units wide: fonts, the line grid and margins scaled to the page, so
// that every printer and the PDF give the same page. A page shorter than
// pageHeight's grid needs (0: never short) gets all of it, drawn smaller.
// rows: the rows below the title as they are to read (tethrix-calc's in the
// flier's language); none: ReportRows(lines).
void DrawReport(QPainter &painter, int pageWidth, const ReportLines &lines, int pageHeight = 0,
                const std::vector<ReportRow> *rows = nullptr);

// Prints on a printer or PDF writer: document title "Tethrix Print Job".
// Throws std::runtime_error when the page cannot be produced; a failure
// after the document began aborts it.
void PrintReport(QPaintDevice &device, const ReportLines &lines, const std::vector<ReportRow> *rows = nullptr);

using PrintDialogSeam = std::function<bool(QWidget *parent, QPrinter *printer)>;

// What the module offers, found by name after it is loaded.
struct ReportModule {
    // The page as a PDF on A4 at 600 dpi, with rows as DrawReport takes
    // them; the reason it failed, or empty.
    std::string (*renderPdf)(const ReportLines &lines, const std::vector<ReportRow> *rows, std::string &pdf);
    // Asks for a printer through dialog (false: cancelled, nothing done),
    // rows as DrawReport takes them.
    // A printer prints the page; a PDF file is drawn into pdf and named in
    // pdfPath, for the caller to write safely. Throws std::runtime_error
    // when the page cannot be produced.
    bool (*print)(QWidget *parent, const ReportLines &lines, const std::vector<ReportRow> *rows,
                  const PrintDialogSeam &dialog, std::string &pdf, std::string &pdfPath);
};

extern "C" const ReportModule *TethrixReportModule();
