#include "core/presenting/result_lines.h"

#include <algorithm>

namespace quirvo {

namespace {

// Builds the line in place: these small strings are most of the work of a
// capped search, so each is made once, where it stays.
void makeLine(const SlotHit& hit, std::string& line) {
    const std::string_view stem = hit.entry.substr(0, hit.entry.size() - 1);
    line.assign(hit.lead + stem.size() + hit.lastForm.size() + 3, ' ');
    char* out = line.data() + hit.lead;
    out = std::copy(stem.begin(), stem.end(), out);
    out = std::copy(hit.lastForm.begin(), hit.lastForm.end(), out);
    out[1] = '-';
    out[2] = static_cast<char>('0' + hit.ndi);
}

}  // namespace

std::string listLine(const SlotHit& hit) {
    std::string line;
    makeLine(hit, line);
    return line;
}

std::vector<std::string> linesInScanOrder(const SlotScan& scan) {
    std::vector<std::string> lines(scan.hits.size());
    for (size_t i = 0; i < lines.size(); ++i) makeLine(scan.hits[i], lines[i]);
    return lines;
}

std::vector<std::string> listLines(const SlotScan& scan) {
    std::vector<std::string> lines = linesInScanOrder(scan);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string crossingLine(const LetterTrial& trial) {
    std::string note;
    if (trial.acrossLeft) note = "Oriz.-" + std::to_string(trial.acrossLeft);
    if (trial.acrossLeft && trial.downLeft) note += " / ";
    if (trial.downLeft) note += "Vert.-" + std::to_string(trial.downLeft);
    const std::string letter(1, trial.letter);
    return note.empty() ? letter : letter + " (" + note + ")";
}

std::vector<std::string> crossingLines(const CrossingOutcome& outcome) {
    std::vector<std::string> lines;
    for (const LetterTrial& trial : outcome.letters)
        if (trial.fits) lines.push_back(crossingLine(trial));
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace quirvo
