#pragma once
// The headings' colours against the panel they sit on: maroon for the
// panels' titles, red for figures out of date, green for current ones. On a
// light background they are the classic colours; on a dark one each is
// lightened, keeping its hue, until it reads at 4.5:1 or better.
#include <QColor>

namespace headings {

enum class Role { Title, Stale, Current };

// WCAG contrast ratio of two colours, 1 to 21.
double Contrast(const QColor &a, const QColor &b);
QColor ColourFor(Role role, const QColor &background);

}  // namespace headings
