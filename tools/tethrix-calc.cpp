// tethrix-calc: figures on standard output; with --report, the printed page
// as a PDF, drawn by the report module, the same as the window's File > Print.
// A plain calculation loads no Qt library at all.
#include "CalcCli.h"
#include "Modules.h"
#include "ReportPage.h"
#include "SafeFile.h"

#include <ctime>
#include <iostream>

int main(int argc, char **argv)
{
    IgnoreFileSizeSignal();
    const ReportRenderer render = [](const FlightCase &fc, const CalcEngine &engine, float groundSpeed,
                                     std::string &pdf) -> std::string {
        std::string problem;
        const ReportModule *report = LoadModule<ReportModule>("report", "TethrixReportModule", problem);
        if (report == nullptr)
            return problem;
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return report->renderPdf(ReportLinesFor(fc, engine, groundSpeed, '.', local), pdf);
    };
    return RunCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, render);
}
