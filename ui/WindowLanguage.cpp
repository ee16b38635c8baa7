#include "ui/WindowLanguage.h"

#include "lang/Catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

lang::Catalogue &Core()
{
    static lang::Catalogue catalogue;
    return catalogue;
}
QString current = QStringLiteral("en");
std::function<std::string(const std::string &)> transformed;

QString SystemLocale()
{
    // LANGUAGE, LC_ALL and LANG as the C library reads them, then Qt's view.
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name).section(':', 0, 0);
        if (!value.isEmpty())
            return value;
    }
    return QLocale::system().name();
}

}  // namespace

void InstallLanguage(const QString &language)
{
    const std::string chosen = lang::LanguageOfLocale((language.isEmpty() ? SystemLocale() : language).toStdString());
    current = QString::fromStdString(chosen);
    // Numbers as the language writes them, in the system's own way when it
    // speaks the same language.
    const QLocale system(SystemLocale());
    if (QString::fromStdString(lang::LanguageOfLocale(system.name().toStdString())) != current)
        QLocale::setDefault(QLocale(current));
    if (chosen == "en")
        return;
    auto *own = new QTranslator(QCoreApplication::instance());
    if (own->load(QStringLiteral(":/translations/tethrix_%1.qm").arg(current)))
        QCoreApplication::installTranslator(own);
    // Qt's own texts (the file and print dialogs' buttons), where Qt's catalogue is installed.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(current), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QFile core(QStringLiteral(":/translations/tethrix_%1.txt").arg(current));
    if (core.open(QIODevice::ReadOnly))
        (void)Core().Read(core.readAll().toStdString());
}

QString CurrentLanguage() { return current; }

bool SystemMeasuresMetric() { return lang::MetricLocale(SystemLocale().toStdString()); }

QString Said(const std::string &english)
{
    return QString::fromStdString(transformed ? transformed(english) : Core().Translate(english));
}
QString Said(const QString &english) { return Said(english.toStdString()); }

const lang::Catalogue &CoreCatalogue() { return Core(); }

void TransformCoreTexts(std::function<std::string(const std::string &)> transform)
{
    transformed = std::move(transform);
}
