#include "report/ReportPage.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>
#include <stdexcept>

namespace {

constexpr int LeftMargin = 40;  // device units, whatever the resolution
constexpr int TitlePoints = 28;
constexpr int BodyPoints = 12;

QStringList ReportFonts()
{
    QStringList families;
    for (const char *family : ReportFontFamilies)
        families << QString::fromLatin1(family);
    return families;
}

QString Q(const std::string &s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

void DrawPdf(const ReportLines &lines, const std::vector<ReportRow> *rows, std::string &pdf, const QPageLayout *layout,
             int resolution)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        if (layout != nullptr)
            writer.setPageLayout(*layout);
        else
            writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(resolution);
        PrintReport(writer, lines, rows);
    }
    pdf = buffer.data().toStdString();
}

std::string RenderPdf(const ReportLines &lines, const std::vector<ReportRow> *rows, std::string &pdf)
{
    // Fonts need a GUI application; no display is needed for a PDF.
    std::unique_ptr<QGuiApplication> app;
    static int argc = 1;
    static char name[] = "tethrix-calc";
    static char *argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    try {
        DrawPdf(lines, rows, pdf, nullptr, 600);
    } catch (const std::exception &e) {
        return e.what();
    }
    return std::string();
}

bool Print(QWidget *parent, const ReportLines &lines, const std::vector<ReportRow> *rows, const PrintDialogSeam &dialog,
           std::string &pdf, std::string &pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    // Named before the dialog shows: it proposes "<name> - Tethrix Print Job.pdf".
    printer.setDocName(Q(ReportDocumentTitle(lines.airplaneName)));
    const bool chosen = dialog ? dialog(parent, &printer) : QPrintDialog(&printer, parent).exec() == QDialog::Accepted;
    if (!chosen)
        return false;
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        PrintReport(printer, lines, rows);
        return true;
    }
    // A PDF file is drawn in memory and written safely by the caller: the
    // printer's own PDF output cannot tell a full disk and would leave half
    // a file.
    const QPageLayout layout = printer.pageLayout();
    DrawPdf(lines, rows, pdf, &layout, printer.resolution());
    pdfPath = QFile::encodeName(printer.outputFileName()).toStdString();
    return true;
}

const ReportModule Module = {&RenderPdf, &Print};

}  // namespace

void DrawReport(QPainter &painter, int pageWidth, const ReportLines &lines, int pageHeight,
                const std::vector<ReportRow> *rows)
{
    // Arial, or the fonts that stand in for it; a letter that is not in the
    // first (Cyrillic, Polish, Greek in a name or another language's page)
    // comes from the next that has it.
    QFont font;
    font.setFamilies(ReportFonts());
    auto setFont = [&](int points, bool bold) {
        font.setPointSize(points);
        font.setBold(bold);
        painter.setFont(font);
    };
    auto metrics = [&] { return QFontMetrics(painter.font(), painter.device()); };
    // Lays the page out (drawing it when paint is set) and returns where its
    // last line ends.
    auto layOut = [&](int width, bool paint) {
        auto draw = [&](int x, int y, const QString &text) {
            if (paint)
                painter.drawText(x, y + metrics().ascent(), text);  // x, y: the text's top-left corner
        };
        auto centred = [&](const QString &text) { return (width - metrics().horizontalAdvance(text)) / 2; };

        setFont(TitlePoints, true);
        const int T = metrics().height();  // the line grid keeps the 28-point title's height
        const QString title = Q(lines.airplaneName);
        // A long name (the field takes 70 characters) is set smaller until
        // it fits between the margins, never cut.
        for (int points = TitlePoints; points > 8 && metrics().horizontalAdvance(title) > width - 2 * LeftMargin;)
            setFont(--points, true);
        draw(centred(title), T, title);

        // Each row stands (k − previous k) line heights below the previous
        // one, with the height last measured.
        int y = 4 * T, k = 0, H = 0;
        const std::vector<ReportRow> own = rows != nullptr ? std::vector<ReportRow>() : ReportRows(lines);
        for (const ReportRow &row : rows != nullptr ? *rows : own) {
            setFont(BodyPoints, row.bold);
            if (row.measure)
                H = metrics().height();
            y += (row.k - k) * H;
            k = row.k;
            const QString text = Q(row.text);
            draw(row.centred ? centred(text) : LeftMargin, y, text);
        }
        return y + metrics().height();
    };
    // The page's own grid wherever it fits; a page too short for it (a
    // landscape one) takes all of it, drawn smaller.
    const int bottom = layOut(pageWidth, false);
    if (pageHeight > 0 && bottom > pageHeight) {
        const double f = static_cast<double>(pageHeight) / bottom;
        painter.scale(f, f);
        pageWidth = static_cast<int>(pageWidth / f);
    }
    layOut(pageWidth, true);
}

void PrintReport(QPaintDevice &device, const ReportLines &lines, const std::vector<ReportRow> *rows)
{
    if (auto *printer = dynamic_cast<QPrinter *>(&device))
        printer->setDocName(Q(ReportDocumentTitle(lines.airplaneName)));
    else if (auto *pdf = dynamic_cast<QPdfWriter *>(&device))
        pdf->setTitle(Q(ReportDocumentTitle(lines.airplaneName)));
    // Without a font the page would come out blank and look printed.
    QFont font;
    font.setFamilies(ReportFonts());
    if (QFontInfo(font).family().isEmpty())
        throw std::runtime_error("No font is installed to draw the report with");
    const int pageWidth = device.width();
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The printer could not start the document");
    try {
        DrawReport(painter, pageWidth, lines, device.height(), rows);
    } catch (...) {
        if (auto *printer = dynamic_cast<QPrinter *>(&device))
            printer->abort();
        painter.end();
        throw;
    }
    if (!painter.end())
        throw std::runtime_error("The printer could not finish the document");
}

const ReportModule *TethrixReportModule() { return &Module; }
