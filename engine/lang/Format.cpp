#include "lang/Format.h"

#include <vector>

namespace lang {

std::string Format(const char *templ, std::initializer_list<std::string> args)
{
    const std::vector<std::string> list(args);
    std::string out;
    for (const char *p = templ; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && static_cast<size_t>(p[1] - '1') < list.size()) {
            out += list[static_cast<size_t>(p[1] - '1')];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

const Noun Airplanes{"%n airplane", "%n airplanes"}, Flights{"%n flight", "%n flights"}, Files{"%n file", "%n files"},
    Laps{"%n lap", "%n laps"};

std::string Plural(long long n, const char *one, const char *many)
{
    std::string text = n == 1 ? one : many;
    for (size_t at; (at = text.find("%n")) != std::string::npos;)
        text.replace(at, 2, std::to_string(n));
    return text;
}

}  // namespace lang
