#include "tools/CalcHangarOutput.h"
#include "tools/CalcLanguage.h"
#include "tools/CalcHangar.h"

#include "numbers/Convert.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"

#include <algorithm>
#include <cstring>

namespace {

// A table's cells padded to their columns' widths, two blanks apart; line
// breaks and tabs in a cell read as blanks.
std::string TextTable(const std::vector<std::vector<std::string>> &rows)
{
    std::vector<std::size_t> widths;
    for (const auto &row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], CharacterCount(row[c]));
        }
    std::string text;
    for (const auto &row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::string cell = row[c];
            for (char &ch : cell)
                if (ch == '\n' || ch == '\t' || ch == '\r')
                    ch = ' ';
            line += cell;
            if (c + 1 < row.size())
                line.append(widths[c] - CharacterCount(row[c]) + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

int ConditionIndex(Input input) { return static_cast<int>(input) - FirstConditionKey; }

}  // namespace

std::string AirplaneList(const Hangar &hangar, bool json)
{
    const std::vector<Airplane> &all = hangar.Airplanes();
    const std::vector<std::string> lastFlown = hangar.LastFlownOfAll();
    std::vector<std::size_t> flights(all.size(), 0);
    for (const Flight &f : hangar.Flights()) {
        const auto it = std::lower_bound(all.begin(), all.end(), f.airplaneId,
                                         [](const Airplane &a, const std::string &id) { return a.id < id; });
        if (it != all.end() && it->id == f.airplaneId)
            ++flights[static_cast<std::size_t>(it - all.begin())];
    }
    std::vector<std::size_t> order(all.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return all[a].Name() != all[b].Name() ? all[a].Name() < all[b].Name() : all[a].id < all[b].id;
    });
    if (json) {
        std::string text = "[";
        for (std::size_t i : order) {
            text += i == order.front() ? "\n" : ",\n";
            text += "{\"name\": ";
            AppendJsonString(text, all[i].Name());
            text += ", \"id\": ";
            AppendJsonString(text, all[i].id);
            text += ", \"lastFlown\": ";
            if (lastFlown[i].empty())
                text += "null";
            else
                AppendJsonString(text, lastFlown[i]);
            text += ", \"flights\": " + std::to_string(flights[i]) + "}";
        }
        return text + (order.empty() ? "]\n" : "\n]\n");
    }
    std::vector<std::vector<std::string>> rows = {{"Name", "Id", "Last flown (UTC)", "Flights"}};
    for (std::size_t i : order)
        rows.push_back({all[i].Name(), all[i].id, lastFlown[i].empty() ? "never" : lastFlown[i],
                        std::to_string(flights[i])});
    return TextTable(rows);
}

std::vector<const Flight *> AllFlights(const Hangar &hangar)
{
    std::vector<const Flight *> flights;
    for (const Flight &f : hangar.Flights())
        flights.push_back(&f);
    std::stable_sort(flights.begin(), flights.end(), [](const Flight *a, const Flight *b) { return a->flown > b->flown; });
    return flights;
}

// The log as a short text table: when, the airplane, the lap time, the
// weather, what the flier most often compares, the notes.
std::string LogText(const std::vector<const Flight *> &flights, DisplayUnits units)
{
    if (flights.empty())
        return "No flights logged.\n";
    const int columns[] = {LogFlownColumn,
                           1,  // the airplane's name as flown
                           LogLapTimeColumn,
                           LogFirstConditionColumn + ConditionIndex(Input::Temperature),
                           LogFirstConditionColumn + ConditionIndex(Input::WindSpeed),
                           LogFirstFigureColumn + FigureIndex(FigureId::DensityAltitude),
                           LogFirstFigureColumn + FigureIndex(FigureId::LineTension),
                           LogFirstFlierColumn,       // engine
                           LogFirstFlierColumn + 1,   // prop
                           LogFirstFlierColumn + 6};  // notes
    const std::vector<LogColumn> all = LogColumns(units);
    std::vector<std::vector<std::string>> rows(1);
    for (int c : columns)
        rows[0].push_back(c == 1 ? "Airplane" : all[static_cast<std::size_t>(c)].title);
    for (const Flight *f : flights) {
        const std::vector<LogCell> cells = LogRow(*f, units);
        std::vector<std::string> row;
        for (int c : columns) {
            const LogCell &cell = cells[static_cast<std::size_t>(c)];
            row.push_back(cell.text.empty() && all[static_cast<std::size_t>(c)].numeric ? "-" : cell.text);
        }
        rows.push_back(std::move(row));
    }
    return TextTable(rows);
}

std::string LogJson(const std::vector<const Flight *> &flights)
{
    std::string text = "[";
    for (const Flight *f : flights)
        text += (f == flights.front() ? "\n" : ",\n") + FlightRecordText(*f);
    return text + (flights.empty() ? "]\n" : "\n]\n");
}

void AppendHangarHelp(std::string &out)
{
    out += Say("Hangar commands (FILE: a hangar file, as the window and the page export it;\n"
               "without FILE, the window's own hangar):\n"
               "  --hangar [FILE] [--json]\n"
               "              list the airplanes: name, id, when last flown (UTC), flights\n"
               "  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]\n"
               "              calculate an airplane (NAME: its name or its id) as its data\n"
               "              file would be; every option above but --compare works with it\n"
               "  --hangar [FILE] --add A.TQD ... [--json]\n"
               "              keep each data file as a new airplane; a file that cannot be\n"
               "              read adds none of them. FILE is created when not there yet\n"
               "  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]\n"
               "              print the trim log, newest first, of every airplane or of\n"
               "              NAME's: a short table; --csv every column of NAME's log, as\n"
               "              the window exports it; --json the flights as the hangar file\n"
               "              holds them (imperial)\n"
               "  FILE is the argument after --hangar unless it starts with '-'. A NAME that\n"
               "  matches no airplane, or several, is an error (exit status 1) naming what\n"
               "  the hangar holds.\n\n");
}

