#include "ReportLines.h"

#include "Convert.h"
#include "Figures.h"

#include <cstdio>

std::string PrintedLine(const std::tm &t)
{
    static const char *const Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buf[64];
    std::snprintf(buf, sizeof buf, "Printed %s %s %02d %02d:%02d:%02d %4d", Days[(t.tm_wday % 7 + 7) % 7],
                  Months[(t.tm_mon % 12 + 12) % 12], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
    return buf;
}

std::string ReportDocumentTitle(const std::string &airplaneName)
{
    std::string name = airplaneName;
    for (char &c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32)
            c = '-';
    return name.empty() ? ReportJobTitle : name + " - " + ReportJobTitle;
}
