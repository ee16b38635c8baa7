#include "case/ReportLines.h"

#include "numbers/Convert.h"
#include "case/Figures.h"
#include "lang/Format.h"

std::string PrintedLine(const std::tm &t)
{
    static const char *const Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Each number at least this wide, zeros (or for the year spaces) before it.
    const auto padded = [](int v, size_t width, char pad) {
        std::string s = std::to_string(v);
        return s.size() < width ? std::string(width - s.size(), pad) + s : s;
    };
    return lang::Format("Printed %1 %2 %3 %4:%5:%6 %7",
                        {Days[(t.tm_wday % 7 + 7) % 7], Months[(t.tm_mon % 12 + 12) % 12], padded(t.tm_mday, 2, '0'),
                         padded(t.tm_hour, 2, '0'), padded(t.tm_min, 2, '0'), padded(t.tm_sec, 2, '0'),
                         padded(t.tm_year + 1900, 4, ' ')});
}

std::string ReportDocumentTitle(const std::string &airplaneName)
{
    std::string name = airplaneName;
    for (char &c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32)
            c = '-';
    return name.empty() ? ReportJobTitle : name + " - " + ReportJobTitle;
}
