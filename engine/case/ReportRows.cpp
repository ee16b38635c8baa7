// The report's rows on their own, so that a page drawer needs nothing else
// of the engine than the table of inputs.
#include "case/ReportLines.h"

#include "lang/Catalogue.h"
#include "case/Figures.h"
#include "lang/Format.h"

namespace {

std::string At(const std::vector<std::string> &v, size_t i) { return i < v.size() ? v[i] : std::string(); }

}  // namespace

std::vector<ReportRow> ReportRows(const ReportLines &l)
{
    std::vector<ReportRow> rows;
    rows.push_back({0, l.inputHeading, true, false, false});
    rows.push_back(
        {2, lang::Format("%1 = %2", {At(l.inputCaptions, 0), std::to_string(l.numLines)}), false, false, true});
    // Line diameter … wing area, then the conditions after a gap.
    for (size_t i = 0; i < 7; ++i) {
        const InputKey &key = InputKeys[i + 2];
        rows.push_back(
            {3 + int(i),
             lang::Format("%1 = %2", {At(l.inputCaptions, i + 1),
                                      At(l.inputTexts, i) + ShownUnit(key.measure, l.units, key.reportUnit)}),
             false, false, false});
    }
    auto condition = [&](int i, int k) {
        const InputKey &key = InputKeys[FirstConditionKey + i];
        return ReportRow{k,
                         lang::Format("%1 = %2", {key.caption, At(l.conditionTexts, static_cast<size_t>(i)) +
                                                                   ShownUnit(key.measure, l.units, key.reportUnit)}),
                         false, false, false};
    };
    for (int i = 0; i < ClassicConditionCount; ++i)
        rows.push_back(condition(i, 11 + i));
    // The heading's height is measured in bold, then the plain height again
    // before the first result and before each group set a line apart: the
    // line figures, then what was added to the classic page (the rake, the
    // figures beside, the added conditions), which follows its eleven
    // figures so that none of its rows moves.
    int k = 11 + ClassicConditionCount + 1;
    rows.push_back({k, l.resultHeading, true, false, true});
    k += 2;
    const int lineFigures = l.firstLineFigure;
    for (int i = 0; i < static_cast<int>(l.resultTexts.size()); ++i) {
        if (l.resultTexts[static_cast<size_t>(i)].empty())
            continue;  // a figure this case does not show (the downwind tension without wind)
        const bool apart = i > 0 && (i == lineFigures || i == ClassicFigureCount || i == FirstBesideFigure);
        k += apart ? 1 : 0;
        rows.push_back({k++, l.resultTexts[static_cast<size_t>(i)], false, false, i == 0 || apart});
    }
    ++k;
    for (int i = ClassicConditionCount; i < ConditionKeyCount; ++i)
        rows.push_back(condition(i, k++));
    if (!l.comparedWith.empty()) {
        rows.push_back({k++, lang::Format("Compared with %1 (A's value, then the change from it)", {l.comparedWith}),
                        false, false, true});
        for (const std::string &difference : l.differences)
            rows.push_back({k++, difference, false, false, false});
    }
    rows.push_back({k + 1, l.printed, false, true, false});
    rows.push_back({k + 5, ReportBanner, false, true, false});
    return rows;
}

std::vector<ReportRow> ReportRowsIn(const ReportLines &lines, const lang::Catalogue &catalogue)
{
    // What the flier typed stands in the rows as marks that no text of the
    // catalogue holds, and comes back after the translation; a number stays,
    // so that the unit after it is translated with it.
    ReportLines marked = lines;
    std::vector<std::string> kept;
    const auto mark = [&](std::string &text) {
        if (!text.empty() && text.find_first_not_of("0123456789.,-+eE") == std::string::npos)
            return;
        kept.push_back(text);
        text = "\x01" + std::to_string(kept.size() - 1) + "\x01";
    };
    for (std::string &text : marked.inputTexts)
        mark(text);
    for (std::string &text : marked.conditionTexts)
        mark(text);
    if (!marked.comparedWith.empty())
        mark(marked.comparedWith);
    std::vector<ReportRow> rows = ReportRows(marked);
    for (ReportRow &row : rows) {
        const std::string said = catalogue.Translate(row.text);
        row.text.clear();
        for (size_t i = 0; i < said.size(); ++i) {
            const size_t end = said[i] == '\x01' ? said.find('\x01', i + 1) : std::string::npos;
            size_t index = 0;
            for (size_t d = i + 1; end != std::string::npos && d < end; ++d)
                index = index * 10 + static_cast<size_t>(said[d] - '0');
            if (end == std::string::npos || index >= kept.size()) {
                row.text += said[i];
                continue;
            }
            row.text += kept[index];
            i = end;
        }
    }
    return rows;
}
