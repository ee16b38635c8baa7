// libFuzzer target: tethrix-calc takes any command line (keys, files, sweep
// ranges, options) and answers with an exit status, never a crash. The bytes
// are split into arguments at each NUL.
#include "tools/CalcCli.h"
#include "numbers/Convert.h"
#include "case/Sweep.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

namespace {

// Sweeps long enough to be solved on several threads are in; longer ones are
// correct but slow under the sanitizers.
constexpr long LongestSweep = 2600;

bool IsLongSweep(const std::vector<std::string> &args)
{
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] != "--sweep")
            continue;
        const std::string &argument = args[i + 1];
        const size_t eq = argument.find('='), c1 = argument.find(':', eq + 1), c2 = argument.find(':', c1 + 1);
        if (eq == std::string::npos || c1 == std::string::npos || c2 == std::string::npos)
            continue;
        const std::optional<double> from = ParseWideNumber(argument.substr(eq + 1, c1 - eq - 1)),
                                    to = ParseWideNumber(argument.substr(c1 + 1, c2 - c1 - 1)),
                                    step = ParseWideNumber(argument.substr(c2 + 1));
        if (from && to && step && SweepCount(*from, *to, *step) > LongestSweep)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    if (args.size() > 64 || IsLongSweep(args))
        return 0;
    // A report is drawn by a stand-in and always written to one scratch
    // file, whatever path the input names.
    static const std::string scratch = [] {
        char name[] = "/tmp/tethrix-fuzz-report-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        return std::string(name);
    }();
    // So is a hangar file: in a scratch folder, not there at first, so that
    // --add creates it and later inputs read and add to it.
    static const std::string hangar = [] {
        char name[] = "/tmp/tethrix-fuzz-hangar-XXXXXX";
        return std::string(mkdtemp(name) != nullptr ? name : "/nonexistent") + "/hangar.json";
    }();
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i] == "--report" && i + 1 < args.size())
            args[++i] = scratch;
        else if (args[i] == "--hangar" && i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-')
            args[++i] = hangar;
    const ReportRenderer render = [](const ReportLines &, const std::vector<ReportRow> &, std::string &pdf) {
        pdf = "%PDF-1.4 stand-in\n";
        return std::string();
    };
    std::ostringstream out, err;
    const int status = RunCalc(args, out, err, CalcServices{render, nullptr, nullptr, {}});
    if (status < 0 || status > 2)
        __builtin_trap();
    // One verdict: an error leaves standard output empty and says why.
    if (status != 0 && (!out.str().empty() || err.str().empty()))
        __builtin_trap();
    return 0;
}
