#include "report/LogPrint.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

QString Q(const std::string &s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

QString Escaped(const std::string &s) { return Q(s).toHtmlEscaped().replace('\n', QStringLiteral("<br>")); }

void PrintOn(QPagedPaintDevice &device, const std::string &title, const std::vector<std::vector<std::string>> &table)
{
    QTextDocument document;
    document.setHtml(Q(LogPrintHtml(title, table)));
    document.print(&device);
}

bool Print(QWidget *parent, const std::string &title, const std::vector<std::vector<std::string>> &table,
           const PrintDialogSeam &dialog, std::string &pdf, std::string &pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Q(title));
    const bool chosen = dialog ? dialog(parent, &printer) : QPrintDialog(&printer, parent).exec() == QDialog::Accepted;
    if (!chosen)
        return false;
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        PrintOn(printer, title, table);
        return true;
    }
    // A PDF is drawn in memory and written safely by the caller.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(Q(title));
        PrintOn(writer, title, table);
    }
    pdf = buffer.data().toStdString();
    pdfPath = QFile::encodeName(printer.outputFileName()).toStdString();
    return true;
}

const LogPrintModule Module = {&Print};

}  // namespace

std::string LogPrintHtml(const std::string &title, const std::vector<std::vector<std::string>> &table)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(Escaped(title));
    if (table.size() <= 1)
        html += QStringLiteral("<p>No flight is logged.</p>");
    for (std::size_t r = 1; r < table.size(); ++r) {
        const std::vector<std::string> &row = table[r];
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"1\">").arg(Escaped(row.empty() ? std::string() : row[0]));
        // Three titles and values a line.
        int shown = 0;
        for (std::size_t c = 1; c < row.size() && c < table[0].size(); ++c) {
            if (row[c].empty())
                continue;
            if (shown % 3 == 0)
                html += shown ? QStringLiteral("</tr><tr>") : QStringLiteral("<tr>");
            html += QStringLiteral("<td><i>%1</i>&nbsp;</td><td>%2&nbsp;&nbsp;&nbsp;</td>")
                        .arg(Escaped(table[0][c]), Escaped(row[c]));
            ++shown;
        }
        if (shown)
            html += QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    return html.toStdString();
}

const LogPrintModule *TethrixLogPrintModule() { return &Module; }
