// tethrix-calc: figures on standard output; with --report, the printed page
// as a PDF, drawn by the report module, the same as the window's File > Print.
// A plain calculation loads no Qt library at all, nor does a hangar file;
// the window's own hangar is read through the hangar module (Qt SQL).
#include "tools/CalcCli.h"
#include "case/Figures.h"
#include "storage/HangarModule.h"
#include "storage/Modules.h"
#include "report/ReportPage.h"
#include "storage/SafeFile.h"
#include "storage/StoredConditions.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char **argv)
{
    IgnoreFileSizeSignal();
#ifdef TETHRIX_CALC_BARE
    // The benchmarks' reference: the same calculation with no stored
    // settings and no report, the code a build without Qt would have.
    CalcServices bare;
    if (const char *language = std::getenv("TETHRIX_LANG"))
        bare.language = language;
    return RunCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, bare);
#endif
    const ReportRenderer render = [](const ReportLines &lines, const std::vector<ReportRow> &rows,
                                     std::string &pdf) -> std::string {
        std::string problem;
        const ReportModule *report = LoadModule<ReportModule>("report", "TethrixReportModule", problem);
        if (report == nullptr)
            return problem;
        return report->renderPdf(lines, &rows, pdf);
    };
    const ConditionsReader readConditions = [](FlightCase &fc) {
        const auto field = [](int i) { return InputKeys[FirstConditionKey + i].field; };
        std::array<float, StoredConditionCount> defaults;
        for (int i = 0; i < StoredConditionCount; ++i)
            defaults[i] = fc.*field(i);
        const StoredConditions stored = ReadStoredConditions(defaults);
        for (int i = 0; i < StoredConditionCount; ++i)
            fc.*field(i) = stored.values[i].value_or(defaults[i]);
        return stored.problems;
    };
    const HangarLoader loadHangar = [](std::string &problem) {
        return LoadModule<HangarModule>("hangar", "TethrixHangarModule", problem);
    };
    const char *language = std::getenv("TETHRIX_LANG");
    return RunCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                   CalcServices{render, readConditions, loadHangar, language ? language : ""});
}
