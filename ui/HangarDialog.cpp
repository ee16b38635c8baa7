#include "ui/HangarDialog.h"
#include "ui/WindowLanguage.h"

#include "ui/FlightDialog.h"
#include "ui/HangarTexts.h"
#include "ui/MainWindow.h"
#include "ui/QtFiles.h"
#include "ui/Seams.h"
#include "ui/TrimLogDialog.h"
#include "ui/WindowWidgets.h"

#include "case/DataFile.h"
#include "case/Figures.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QUuid>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace {

constexpr int ListMinimumWidth = 380;  // the airplanes' list at the classic font

// Sorted by the value kept beside the text: the flight counts as numbers,
// the times as the UTC texts they are shown from.
class ListItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int c = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant a = data(c, Qt::UserRole), b = other.data(c, Qt::UserRole);
        if (c == 2)
            return a.toLongLong() < b.toLongLong();
        if (c == 1)
            return a.toString() < b.toString();
        return text(c).localeAwareCompare(other.text(c)) < 0;
    }
};

constexpr int IdRole = Qt::UserRole + 1;

}  // namespace

std::string HangarDialog::NewId() { return QUuid::createUuid().toString(QUuid::Id128).toStdString(); }

std::string HangarDialog::Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString(); }

HangarDialog::HangarDialog(MainWindow &window, const QString &storePath)
    : QDialog(&window), form(window), hangarStore(std::make_unique<HangarStore>(storePath))
{
    setObjectName("HangarDialog");
    setWindowTitle(tr("Hangar"));
    auto *layout = new QVBoxLayout(this);
    problem = new QLabel(this);
    problem->setObjectName("HangarProblem");
    problem->setWordWrap(true);
    problem->setTextFormat(Qt::PlainText);
    QPalette red = problem->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    problem->setPalette(red);
    layout->addWidget(problem);

    auto *middle = new QHBoxLayout;
    list = new QTreeWidget(this);
    list->setObjectName("AirplaneList");
    list->setHeaderLabels({tr("Airplane"), tr("Last Flown"), tr("Flights")});
    list->setRootIsDecorated(false);
    list->setSortingEnabled(true);
    list->sortByColumn(0, Qt::AscendingOrder);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    list->setMinimumWidth(ListMinimumWidth);
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { ShowSelection(); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { Guarded(this, [&] { OpenSelected(); }); });
    auto *left = new QVBoxLayout;
    left->addWidget(list, 1);
    auto *notesLabel = new QLabel(tr("Notes (engine, prop, anything):"), this);
    notesLabel->setObjectName("NotesLabel");
    left->addWidget(notesLabel);
    notes = new QPlainTextEdit(this);
    notes->setObjectName("NotesEdit");
    notes->setMaximumHeight(90);
    left->addWidget(notes);
    middle->addLayout(left, 1);

    // The buttons, in groups: the window's case, the airplane selected,
    // files, the log.
    auto *buttons = new QVBoxLayout;
    const struct {
        const char *name, *text, *tip;
        void (HangarDialog::*act)();
        bool writes, selection;
    } actions[] = {
        {"OpenAirplaneBtn", QT_TR_NOOP("&Open"), QT_TR_NOOP("Open the selected airplane in the window's fields"),
         &HangarDialog::OpenSelected, false, true},
        {"KeepNewBtn", QT_TR_NOOP("&Keep as New"),
         QT_TR_NOOP("Keep the window's case, with the notes typed, as a new airplane"), &HangarDialog::KeepAsNew, true,
         false},
        {"KeepOverBtn", QT_TR_NOOP("Keep O&ver"), QT_TR_NOOP("Keep the window's case over the airplane open in it"),
         &HangarDialog::KeepOver, true, false},
        {nullptr, nullptr, nullptr, nullptr, false, false},
        {"RenameBtn", QT_TR_NOOP("&Rename..."), "", &HangarDialog::RenameSelected, true, true},
        {"DuplicateBtn", QT_TR_NOOP("D&uplicate..."), "", &HangarDialog::DuplicateSelected, true, true},
        {"DeleteBtn", QT_TR_NOOP("&Delete..."), "", &HangarDialog::DeleteSelected, true, true},
        {nullptr, nullptr, nullptr, nullptr, false, false},
        {"AddFolderBtn", QT_TR_NOOP("Add a &Folder..."), QT_TR_NOOP("Add every .TQD data file of a folder"),
         &HangarDialog::AddFolder, true, false},
        {"ImportBtn", QT_TR_NOOP("&Import..."), QT_TR_NOOP("Add and update airplanes and flights from a hangar file"),
         &HangarDialog::Import, true, false},
        {"ExportHangarBtn", QT_TR_NOOP("E&xport Hangar..."), "", &HangarDialog::ExportHangar, false, false},
        {"ExportAirplaneBtn", QT_TR_NOOP("Export &Airplane..."), QT_TR_NOOP("The selected airplane with its log"),
         &HangarDialog::ExportAirplane, false, true},
        {nullptr, nullptr, nullptr, nullptr, false, false},
        {"LogFlightBtn", QT_TR_NOOP("&Log a Flight..."), QT_TR_NOOP("Log a flight of the window's case"),
         &HangarDialog::LogAFlight, true, false},
        {"TrimLogBtn", QT_TR_NOOP("&Trim Log..."), "", &HangarDialog::ShowTrimLog, false, false},
    };
    for (const auto &a : actions) {
        if (a.name == nullptr) {
            buttons->addSpacing(8);
            continue;
        }
        auto *button = new QPushButton(tr(a.text), this);
        button->setObjectName(a.name);
        button->setAutoDefault(false);
        if (*a.tip)
            button->setToolTip(tr(a.tip));
        const auto act = a.act;
        connect(button, &QPushButton::clicked, this, [this, act] { Guarded(this, [&] { (this->*act)(); }); });
        buttons->addWidget(button);
        if (a.writes)
            writers << button;
        if (a.selection)
            needSelection << button;
        if (act == &HangarDialog::KeepOver)
            keepOver = button;
    }
    buttons->addStretch();
    middle->addLayout(buttons);
    layout->addLayout(middle, 1);

    openLine = new QLabel(this);
    openLine->setObjectName("OpenAirplaneLine");
    openLine->setTextFormat(Qt::PlainText);
    openLine->setWordWrap(true);
    layout->addWidget(openLine);
    status = new QLabel(this);
    status->setObjectName("HangarStatus");
    status->setTextFormat(Qt::PlainText);
    status->setWordWrap(true);
    layout->addWidget(status);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName("CloseHangarBtn");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(680, 460);
    ShowHangar();
}

HangarDialog::~HangarDialog() = default;

void HangarDialog::showEvent(QShowEvent *event)
{
    Refresh();
    QDialog::showEvent(event);
}

void HangarDialog::changeEvent(QEvent *event)
{
    // Back in the dialog: another window's changes, and which airplane the
    // window's fields hold now, show.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guarded(this, [&] { Refresh(); });
    QDialog::changeEvent(event);
}

void HangarDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        UiSeams().help(this, HelpContents, QString());
    else
        QDialog::keyPressEvent(event);
}

void HangarDialog::Refresh()
{
    // Shown anew only when another window changed something, so that notes
    // being typed stay; the line of the airplane open follows the window.
    const HangarStore::Access before = hangarStore->access();
    if (hangarStore->refresh() || hangarStore->access() != before)
        ShowHangar();
    else
        ShowOpenAirplane();
}

void HangarDialog::ShowUnits()
{
    if (log)
        log->Reload();
}

void HangarDialog::ShowOpenAirplane()
{
    const Airplane *open = hangarStore->hangar().FindAirplane(form.openAirplane());
    openLine->setText(open ? tr("Open in the window: %1").arg(Text(open->Name()))
                           : tr("No airplane of the hangar is open in the window."));
    keepOver->setEnabled(Writable() && open != nullptr);
}

bool HangarDialog::Writable() const { return hangarStore->access() == HangarStore::Access::Writable; }

void HangarDialog::ShowHangar()
{
    const Hangar &h = hangarStore->hangar();
    problem->setText(Said(hangarStore->problem()));
    problem->setVisible(!hangarStore->problem().isEmpty());
    const std::string keep = selectedId();
    {
        const QSignalBlocker quiet(list);
        list->setSortingEnabled(false);
        list->clear();
        const std::vector<std::string> lastFlown = h.LastFlownOfAll();
        std::vector<std::size_t> flights(h.Airplanes().size());
        for (const Flight &f : h.Flights())
            if (const Airplane *a = h.FindAirplane(f.airplaneId))
                ++flights[a - h.Airplanes().data()];
        for (std::size_t i = 0; i < h.Airplanes().size(); ++i) {
            const Airplane &a = h.Airplanes()[i];
            auto *item = new ListItem(list);
            item->setText(0, Text(a.Name()));
            item->setText(1, ShownTime(lastFlown[i], true));
            item->setData(1, Qt::UserRole, Text(lastFlown[i]));
            item->setText(2, QString::number(flights[i]));
            item->setData(2, Qt::UserRole, qlonglong(flights[i]));
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
            item->setData(0, IdRole, Text(a.id));
        }
        list->setSortingEnabled(true);
    }
    // Room for every heading whole and the columns that fit their contents,
    // however large the font or long the headings' words.
    QHeaderView *header = list->header();
    const QAbstractItemView *view = list;
    int columns = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < header->count(); ++c)
        columns += std::max(header->sectionSizeHint(c), c == 0 ? 0 : view->sizeHintForColumn(c));
    list->setMinimumWidth(std::max(ListMinimumWidth, columns));
    Select(keep);
    for (QPushButton *b : writers)
        b->setEnabled(Writable());
    ShowOpenAirplane();
    ShowSelection();
    if (log)
        log->Reload();
}

void HangarDialog::ShowSelection()
{
    const Airplane *a = Selected();
    for (QPushButton *b : needSelection)
        b->setEnabled(a != nullptr && (Writable() || !writers.contains(b)));
    // Notes typed for the airplane selected stay while it is; another
    // airplane, or notes kept anew untouched here, show as kept.
    const std::string id = a ? a->id : std::string();
    const QString kept = a ? Text(a->notes) : QString();
    if (id != notesOf || notes->toPlainText() == notesShown) {
        notes->setPlainText(kept);
        notesOf = id;
        notesShown = kept;
    }
    notes->setReadOnly(!Writable());
}

std::string HangarDialog::selectedId() const
{
    const QList<QTreeWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? std::string() : chosen.first()->data(0, IdRole).toString().toStdString();
}

void HangarDialog::Select(const std::string &id)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(0, IdRole).toString().toStdString() == id) {
            list->setCurrentItem(list->topLevelItem(i));
            return;
        }
    list->clearSelection();
}

const Airplane *HangarDialog::Selected() const { return hangarStore->hangar().FindAirplane(selectedId()); }

QString HangarDialog::notesText() const { return notes->toPlainText(); }
void HangarDialog::SetNotesText(const QString &text) { notes->setPlainText(text); }
QString HangarDialog::statusText() const { return status->text(); }
void HangarDialog::ShowStatus(const QString &text) { status->setText(text); }

bool HangarDialog::Edit(const QString &what, const std::function<Result<>(Hangar &)> &edit)
{
    QString why = Writable() ? hangarStore->edit(edit) : hangarStore->problem();
    ShowHangar();
    if (why.isEmpty())
        return true;
    status->clear();
    ShowError(this, tr("%1 was not kept").arg(what), why);
    return false;
}

void HangarDialog::OpenSelected()
{
    const Airplane *a = Selected();
    if (a == nullptr)
        return;
    const Airplane airplane = *a;
    if (!form.OpenAirplane(airplane.id, Text(airplane.Name()), DataFileOfInputs(airplane.inputs)))
        return;
    ShowHangar();
    ShowStatus(tr("Opened %1.").arg(Text(airplane.Name())));
}

void HangarDialog::KeepAsNew()
{
    const FlightCase fc = form.flightCase();
    const std::string id = NewId(), now = Now(), keptNotes = notes->toPlainText().toStdString();
    if (!Edit(Text(fc.AcName), [&](Hangar &h) { return h.AddAirplane(id, fc, keptNotes, now); }))
        return;
    form.SetOpenAirplane(id);
    ShowHangar();
    Select(id);
    ShowStatus(tr("Kept %1 as a new airplane.").arg(Text(fc.AcName)));
}

void HangarDialog::KeepOver()
{
    const Airplane *open = hangarStore->hangar().FindAirplane(form.openAirplane());
    if (open == nullptr) {
        ShowOpenAirplane();
        ShowStatus(tr("No airplane of the hangar is open in the window: keep the case as a new one."));
        return;
    }
    const std::string id = open->id, now = Now();
    // The notes typed, when the notes shown are the open airplane's.
    const std::string keptNotes = selectedId() == id ? notes->toPlainText().toStdString() : open->notes;
    const FlightCase fc = form.flightCase();
    if (Edit(Text(fc.AcName), [&](Hangar &h) { return h.KeepAirplane(id, fc, keptNotes, now); }))
        ShowStatus(tr("Kept the window's case over %1.").arg(Text(fc.AcName)));
}

void HangarDialog::RenameSelected()
{
    const Airplane *a = Selected();
    if (a == nullptr)
        return;
    const std::string id = a->id;
    const QString old = Text(a->Name());
    QString name = old;
    if (!UiSeams().askText(this, tr("Rename Airplane"), tr("New name for %1:").arg(old), name) || name == old)
        return;
    const std::string now = Now();
    if (Edit(tr("The new name"), [&](Hangar &h) { return h.Rename(id, name.toStdString(), now); }))
        ShowStatus(tr("Renamed %1 to %2.").arg(old, name));
}

void HangarDialog::DuplicateSelected()
{
    const Airplane *a = Selected();
    if (a == nullptr)
        return;
    const std::string id = a->id, copyId = NewId();
    const QString old = Text(a->Name());
    QString name = tr("%1 copy").arg(old);
    if (!UiSeams().askText(this, tr("Duplicate Airplane"), tr("Name of the copy of %1:").arg(old), name))
        return;
    const std::string now = Now();
    if (!Edit(tr("The copy"), [&](Hangar &h) { return h.Duplicate(id, copyId, name.toStdString(), now); }))
        return;
    Select(copyId);
    ShowStatus(tr("Kept a copy of %1 as %2.").arg(old, name));
}

void HangarDialog::DeleteSelected()
{
    const Airplane *a = Selected();
    if (a == nullptr)
        return;
    const std::string id = a->id;
    const QString name = Text(a->Name());
    const std::size_t flights = hangarStore->hangar().FlightsOf(id).size();
    bool withFlights = false;
    if (flights == 0) {
        if (UiSeams().ask(this, tr("Delete Airplane"), tr("Delete %1 from the hangar?").arg(name),
                          {tr("Delete"), tr("Cancel")}) != 0)
            return;
    } else {
        const int answer =
            UiSeams().ask(this, tr("Delete Airplane"),
                          tr("Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.")
                              .arg(name, Count(flights, lang::Flights)),
                          {tr("Delete, Keep the Log"), tr("Delete with Its Flights"), tr("Cancel")});
        if (answer != 0 && answer != 1)
            return;
        withFlights = answer == 1;
    }
    if (!Edit(tr("The deletion of %1").arg(name), [&](Hangar &h) { return h.DeleteAirplane(id, withFlights); }))
        return;
    if (form.openAirplane() == id)
        form.SetOpenAirplane(std::string());
    ShowHangar();
    ShowStatus(withFlights ? tr("Deleted %1 and its %2.").arg(name, Count(flights, lang::Flights))
                           : tr("Deleted %1.").arg(name));
}

bool HangarDialog::AskFlight(Flight &flight, const QString &title)
{
    FlightDialog dialog(flight, form.units(), MainWindow::DecimalSeparator(), this);
    dialog.setWindowTitle(title);
    while (UiSeams().runDialog(&dialog) == QDialog::Accepted) {
        Flight typed = flight;
        const QString why = dialog.Take(typed);
        if (why.isEmpty()) {
            flight = typed;
            return true;
        }
        ShowError(&dialog, why);
    }
    return false;
}

bool HangarDialog::LogFlight()
{
    Refresh();
    if (!Writable()) {
        ShowError(this, tr("No flight can be logged: %1").arg(hangarStore->problem()));
        return false;
    }
    // The figures logged are those of the inputs shown, brought up to date
    // first as for printing; a case that cannot be calculated is said and
    // not logged.
    if (!form.RecalculateAndShow())
        return false;
    const FlightCase fc = form.caseEditor().Calculated();
    FlightCase solvedCase = fc;
    float groundSpeed = 0;
    CalcEngine engine(solvedCase, groundSpeed);
    Flight flight = FlightOfCase(fc, SolveCase(engine, solvedCase, groundSpeed));
    flight.id = NewId();
    flight.flown = flight.changed = Now();
    const Airplane *open = hangarStore->hangar().FindAirplane(form.openAirplane());
    // The airplane it is logged for: the one open, else the case kept anew.
    const std::string airplaneId = open ? open->id : NewId();
    flight.airplaneId = airplaneId;
    if (!AskFlight(flight, tr("Log a Flight of %1").arg(Text(fc.AcName))))
        return false;
    flight.changed = Now();
    const bool keepFirst = open == nullptr;
    if (!Edit(tr("The flight"), [&](Hangar &h) {
            if (keepFirst)
                if (Result<> kept = h.AddAirplane(airplaneId, fc, std::string(), flight.changed); !kept.ok())
                    return kept;
            return h.LogFlight(flight);
        }))
        return false;
    if (keepFirst)
        form.SetOpenAirplane(airplaneId);
    ShowHangar();
    Select(airplaneId);
    ShowStatus(keepFirst ? tr("Kept %1 as a new airplane and logged its flight.").arg(Text(fc.AcName))
                         : tr("Logged a flight of %1.").arg(Text(fc.AcName)));
    if (log)
        log->ShowAirplane(airplaneId);
    return true;
}

void HangarDialog::LogAFlight() { LogFlight(); }

void HangarDialog::ShowTrimLog()
{
    if (log == nullptr)
        log = new TrimLogDialog(*this);
    std::string id = selectedId();
    if (id.empty())
        id = form.openAirplane();
    Refresh();
    log->ShowAirplane(id);
    log->show();
    log->raise();
    log->activateWindow();
}
