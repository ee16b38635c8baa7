#include "HangarTexts.h"
#include "WindowLanguage.h"

#include "DataFile.h"
#include "HangarLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <cctype>

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("HangarDialog", text); }

}  // namespace

const Noun Flights{QT_TRANSLATE_NOOP("HangarDialog", "%1 flight"), QT_TRANSLATE_NOOP("HangarDialog", "%1 flights")};
const Noun Airplanes{QT_TRANSLATE_NOOP("HangarDialog", "%1 airplane"),
                     QT_TRANSLATE_NOOP("HangarDialog", "%1 airplanes")};
const Noun Files{QT_TRANSLATE_NOOP("HangarDialog", "%1 file"), QT_TRANSLATE_NOOP("HangarDialog", "%1 files")};

QString Count(std::size_t n, const Noun &noun) { return Tr(n == 1 ? noun.one : noun.many).arg(n); }

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
    std::string why = CaseOfDataFile(bytes, decimalSeparator, fc);
    if (why.empty())
        why = CheckInputs(InputsOfCase(fc));
    if (!why.empty())
        why[0] = char(std::tolower(static_cast<unsigned char>(why[0])));
    return why;
}
