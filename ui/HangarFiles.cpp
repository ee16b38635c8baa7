// The hangar's files: a folder of data files kept as airplanes, the
// exchange file written for the whole hangar or one airplane, and one read
// in and merged.
#include "ui/HangarDialog.h"

#include "ui/HangarTexts.h"
#include "ui/MainWindow.h"
#include "ui/QtFiles.h"
#include "ui/Seams.h"
#include "ui/WindowLanguage.h"
#include "ui/WindowWidgets.h"

#include "case/DataFile.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString HangarFileFilter = QStringLiteral("Tethrix Hangar File (*.json)");
}  // namespace

void HangarDialog::AddFolder()
{
    const QString folder = UiSeams().openFolder(this, QDir::homePath());
    if (folder.isEmpty())
        return;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral("*.TQD")}, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    QStringList refused;
    std::vector<std::pair<std::string, FlightCase>> found;  // new id, the airplane
    for (const QFileInfo &entry : entries) {
        std::string bytes;
        QString why = ReadSmallFile(entry.filePath(), MaxDataFileBytes, bytes);
        FlightCase fc;
        if (why.isEmpty()) {
            const std::string reason = ReadFileForHangar(bytes, MainWindow::DecimalSeparator(), fc);
            why = Text(reason);
        }
        if (why.isEmpty())
            found.push_back({NewId(), fc});
        else
            refused << tr("%1: %2").arg(entry.fileName(), why);
    }
    if (!found.empty()) {
        const std::string now = Now();
        if (!Edit(tr("The airplanes of %1").arg(folder), [&](Hangar &h) {
                for (const auto &[id, fc] : found)
                    if (Result<> kept = h.AddAirplane(id, fc, std::string(), now); !kept.ok())
                        return Refused(fc.AcName + ": " + kept.error);
                return Result<>();
            }))
            return;
    }
    ShowStatus(entries.isEmpty() ? tr("%1 holds no .TQD data files.").arg(folder)
                                 : tr("Added %1 from %2.").arg(Count(found.size(), lang::Airplanes), folder));
    if (!refused.isEmpty())
        UiSeams().message(this, tr("Add a Folder"),
                          tr("%1 could not be added:").arg(Count(refused.size(), lang::Files)), QMessageBox::Warning,
                          refused.join('\n'));
}

QString HangarDialog::WriteExport(const QString &proposed, const std::string &text)
{
    const QString path = UiSeams().saveFile(this, QDir::homePath(), proposed, HangarFileFilter);
    if (path.isEmpty())
        return path;
    if (const QString why = WriteFileSafely(path, QByteArray::fromStdString(text)); !why.isEmpty()) {
        ShowError(this, tr("Cannot save the hangar file %1: %2").arg(path, why));
        return QString();
    }
    return path;
}

void HangarDialog::ExportHangar()
{
    Refresh();
    const Result<std::string> text = HangarFileText(hangarStore->hangar());
    if (!text.ok())
        return ShowError(this, tr("The hangar cannot be exported: %1").arg(Text(text.error)));
    if (const QString path = WriteExport(QStringLiteral("tethrix-hangar.json"), text.value); !path.isEmpty())
        ShowStatus(tr("Exported the hangar to %1.").arg(path));
}

void HangarDialog::ExportAirplane()
{
    Refresh();
    const Airplane *a = Selected();
    if (a == nullptr)
        return;
    const QString name = Text(a->Name());
    const Result<std::string> text = HangarFileText(hangarStore->hangar().Extract(a->id));
    if (!text.ok())
        return ShowError(this, tr("%1 cannot be exported: %2").arg(name, Text(text.error)));
    if (const QString path = WriteExport(ExportFileName(name), text.value); !path.isEmpty())
        ShowStatus(tr("Exported %1 and its log to %2.").arg(name, path));
}

void HangarDialog::Import()
{
    const QString path = UiSeams().openFile(this, QDir::homePath(), HangarFileFilter);
    if (path.isEmpty())
        return;
    std::string bytes;
    if (const QString why = ReadSmallFile(path, MaxHangarFileBytes, bytes); !why.isEmpty()) {
        ShowError(this, tr("Cannot import %1: %2").arg(path, why));
        return;
    }
    const Result<Hangar> read = ReadHangarFile(bytes);
    if (!read.ok())
        return ShowError(this, tr("Cannot import %1: %2").arg(path, Text(read.error)));
    ImportSummary summary;
    if (Edit(tr("The import of %1").arg(QFileInfo(path).fileName()), [&](Hangar &h) {
            Result<ImportSummary> imported = h.Import(read.value);
            summary = imported.value;
            return DoneOr(std::move(imported.error));
        }))
        ShowStatus(ImportSummaryText(summary, QFileInfo(path).fileName()));
}
