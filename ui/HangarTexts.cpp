#include "HangarTexts.h"

#include "CaseEditor.h"
#include "DataFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <cctype>

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("HangarDialog", text); }

// "2 airplanes (Nobler, Shark)": the first few names, then how many more.
QString Airplanes(const std::vector<std::string> &names)
{
    constexpr std::size_t Named = 5;
    QStringList shown;
    for (std::size_t i = 0; i < names.size() && i < Named; ++i)
        shown << QString::fromStdString(names[i]);
    if (names.size() > Named)
        shown << Tr("%1 more").arg(names.size() - Named);
    return Count(names.size(), "airplane", "airplanes") + QStringLiteral(" (%1)").arg(shown.join(QStringLiteral(", ")));
}

QString Part(const char *verb, const std::vector<std::string> &airplanes, std::size_t flights)
{
    QStringList what;
    if (!airplanes.empty())
        what << Airplanes(airplanes);
    if (flights)
        what << Count(flights, "flight", "flights");
    return what.isEmpty() ? QString() : Tr(verb) + ' ' + what.join(Tr(" and "));
}

}  // namespace

QString Count(std::size_t n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(Tr(n == 1 ? one : many));
}

QString ShownTime(const std::string &utc, bool local)
{
    const QString text = QString::fromStdString(utc);
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    if (text.isEmpty() || !t.isValid())
        return text;
    return local ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                 : t.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral(" UTC");
}

QString ImportSummaryText(const ImportSummary &s, const QString &fileName)
{
    if (!s.Changed())
        return Tr("Nothing changed: the hangar already holds everything in %1.").arg(fileName);
    QStringList parts;
    for (const QString &part : {Part("Added", s.addedAirplanes, s.addedFlights),
                                Part("updated", s.updatedAirplanes, s.updatedFlights)})
        if (!part.isEmpty())
            parts << part;
    QString text = parts.join(QStringLiteral("; ")) + '.';
    text[0] = text[0].toUpper();
    return Tr("From %1: %2").arg(fileName, text);
}

QString ExportFileName(const QString &airplaneName)
{
    QString name = airplaneName.trimmed();
    for (QChar &c : name)
        if (c == '/' || c == '\\' || c.category() == QChar::Other_Control)
            c = '-';
    if (name.isEmpty() || name.startsWith('.'))
        name.prepend(QStringLiteral("airplane"));
    return name + QStringLiteral(".tethrix-hangar.json");
}

std::string ReadFileForHangar(const std::string &bytes, char decimalSeparator, FlightCase &fc)
{
    // A file with none of a data file's entries would keep the built-in
    // airplane under its name: not what the flier has in that file.
    if (ParseDataFile(bytes).empty())
        return "it holds none of a data file's entries";
    CaseEditor reader(decimalSeparator);
    reader.ReadFile(bytes);
    fc = reader.Case();
    std::string why = CheckInputs(InputsOfCase(fc));
    if (!why.empty())
        why[0] = char(std::tolower(static_cast<unsigned char>(why[0])));
    return why;
}
