// The window's language: the one the settings name (`Language`), or the
// system's when they name none. Its own texts are translated by Qt (tr(),
// the .qm catalogues); the core's, which come as English, by the core's
// catalogue (lang::Catalogue), through Said.
#pragma once

#include <QString>

#include <functional>
#include <string>

namespace lang {
class Catalogue;
}

// Chooses the language (language: as stored, empty for the system's) and
// installs its catalogues in the application; before any window is made.
void InstallLanguage(const QString &language);
// The language in force: "en", "de", "pt_BR" …
QString CurrentLanguage();
// Whether the system's locale measures in metric units: a first run starts
// in them.
bool SystemMeasuresMetric();
// A core text in the window's language.
QString Said(const std::string &english);
QString Said(const QString &english);
inline QString Said(const char *english) { return Said(std::string(english)); }
const lang::Catalogue &CoreCatalogue();
// Tests: every core text that Said shows made by transform instead of the
// catalogue (a made-up language); an empty transform: the catalogue again.
void TransformCoreTexts(std::function<std::string(const std::string &)> transform);
