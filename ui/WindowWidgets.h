// Small helpers the window's files share for showing the core's texts.
#pragma once

#include "ui/HeadingColours.h"

#include <QColor>
#include <QString>

#include <string>

class QLabel;

// The core's UTF-8 text as the widgets show it.
QString Text(const std::string &s);
// Sets a wrapping label's text; the label is never narrower than its
// longest word, so that no word is cut.
void SetWrappedText(QLabel *label, const QString &text);
// A heading's colour for its role against the window's background.
void SetLabelColour(QLabel *label, headings::Role role, const QColor &background);
