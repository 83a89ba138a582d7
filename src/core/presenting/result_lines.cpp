#include "core/presenting/result_lines.h"

#include <algorithm>

namespace quirvo {

std::string listLine(const SlotHit& hit) {
    const std::string_view stem = hit.entry.substr(0, hit.entry.size() - 1);
    std::string line(hit.lead + stem.size() + hit.lastForm.size() + 3, ' ');
    char* out = line.data() + hit.lead;
    out = std::copy(stem.begin(), stem.end(), out);
    out = std::copy(hit.lastForm.begin(), hit.lastForm.end(), out);
    out[1] = '-';
    out[2] = static_cast<char>('0' + hit.ndi);
    return line;
}

std::vector<std::string> listLines(const SlotScan& scan) {
    std::vector<std::string> lines;
    lines.reserve(scan.hits.size());
    for (const SlotHit& hit : scan.hits) lines.push_back(listLine(hit));
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
