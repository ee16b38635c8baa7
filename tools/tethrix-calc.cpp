// tethrix-calc: figures on standard output; with --report, the printed page
// as a PDF, drawn by the same code as the window's File > Print.
#include "CalcCli.h"
#include "Report.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include <iostream>
#include <memory>

int main(int argc, char **argv)
{
    IgnoreFileSizeSignal();
    const ReportRenderer render = [&](const FlightCase &fc, const CalcEngine &engine, float groundSpeed,
                                      std::string &pdf) -> std::string {
        // Fonts need a GUI application; no display is needed for a PDF.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        std::unique_ptr<QGuiApplication> app;
        if (QCoreApplication::instance() == nullptr)
            app = std::make_unique<QGuiApplication>(qtArgc, argv);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(600);
            try {
                PrintReport(writer, ReportTextsFor(fc, engine, groundSpeed, '.'));
            } catch (const std::exception &e) {
                return e.what();
            }
        }
        pdf = buffer.data().toStdString();
        return std::string();
    };
    return RunCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, render);
}
