#include "ui/HeadingColours.h"

#include <algorithm>
#include <cmath>

namespace headings {
namespace {

double Linear(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &c)
{
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

QColor Classic(Role role)
{
    switch (role) {
    case Role::Stale: return QColor(255, 0, 0);
    case Role::Current: return QColor(0, 128, 0);
    case Role::Title: break;
    }
    return QColor(128, 0, 0);  // maroon
}

}  // namespace

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ColourFor(Role role, const QColor &background)
{
    const QColor classic = Classic(role);
    // A light background keeps the colours fliers know.
    if (Luminance(background) >= 0.4)
        return classic;
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor c = QColor::fromRgbF(static_cast<float>(classic.redF() + (1 - classic.redF()) * t),
                                          static_cast<float>(classic.greenF() + (1 - classic.greenF()) * t),
                                          static_cast<float>(classic.blueF() + (1 - classic.blueF()) * t));
        if (Contrast(c, background) >= 4.5)
            return c;
    }
    return Qt::white;
}

}  // namespace headings
