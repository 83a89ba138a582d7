#include "outcome_json.h"

#include <string>
#include <vector>

#include "core/common/text_encoding.h"
#include "core/presenting/result_lines.h"
#include "core/presenting/status_texts.h"
#include "json_output.h"

namespace quirvo::cli {

namespace {

// The list and the two panels as they stand after each step in turn.
struct Shown {
    std::vector<std::string> lines;
    std::string panel2 = " ", panel3 = " ";

    void show(const PanelTexts& t) {
        if (t.panel2) panel2 = *t.panel2;
        if (t.panel3) panel3 = *t.panel3;
    }
};

void print(std::ostream& out, const Shown& shown) {
    out << "{\"lines\": [";
    for (size_t i = 0; i < shown.lines.size(); ++i)
        out << (i ? ", " : "") << jsonString(cp1252ToUtf8(shown.lines[i]));
    out << "], \"panel2\": " << jsonString(shown.panel2) << ", \"panel3\": " << jsonString(shown.panel3) << "}\n";
}

}  // namespace

void printSearch(std::ostream& out, const SearchOutcome& outcome) {
    Shown shown;
    for (const SearchEvent& step : outcome.steps) {
        if (const auto* command = std::get_if<CommandStep>(&step)) shown.show(commandPanels(*command));
        if (const auto* search = std::get_if<SearchStep>(&step)) {
            shown.show(searchPanels(*search));
            shown.lines = listLines(search->scan);
        }
    }
    print(out, shown);
}

void printCrossing(std::ostream& out, const CrossingOutcome& outcome) {
    Shown shown;
    shown.show(crossingPanels(outcome));
    shown.lines = crossingLines(outcome);
    print(out, shown);
}

}  // namespace quirvo::cli
