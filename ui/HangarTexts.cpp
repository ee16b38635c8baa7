#include "ui/HangarTexts.h"
#include "ui/WindowLanguage.h"

#include "case/DataFile.h"
#include "hangar/HangarLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <cctype>

QString Count(std::size_t n, const lang::Noun &noun) { return Said(lang::CountOf(static_cast<long long>(n), noun)); }

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
    return Said(ImportSummaryText(s, fileName.toStdString()));
}

QString ExportFileName(const QString &airplaneName)
{
    return QString::fromStdString(FileNameOf(airplaneName.toStdString())) + QStringLiteral(".tethrix-hangar.json");
}

std::string ReadFileForHangar(const std::string &bytes, char decimalSeparator, FlightCase &fc)
{
    Result<FlightCase> read = CaseOfDataFile(bytes, decimalSeparator);
    std::string why = read.error;
    if (why.empty()) {
        fc = read.value;
        why = CheckInputs(InputsOfCase(fc)).error;
    }
    if (!why.empty())
        why[0] = char(std::tolower(static_cast<unsigned char>(why[0])));
    return why;
}
