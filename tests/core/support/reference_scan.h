#pragma once

// The slot search and the crossing fit test as plain line-by-line scans of
// the dictionary text, with no index: the yardstick the indexed engine is
// compared with, in the tests (same results) and in the benchmark (speed).

#include <string>
#include <string_view>
#include <vector>

#include "core/common/progress.h"
#include "core/dictionary/dictionary.h"
#include "core/dictionary/fit_test.h"
#include "core/dictionary/vowel_sets.h"
#include "core/dictionary/slot_search.h"

namespace quirvo::reference {

inline size_t letterStart(const Dictionary& dict, char initial) {
    const int code = static_cast<unsigned char>(initial);
    if (code < 64 || code > 90) return 0;
    const int32_t start = dict.dictLetterStart[code - 64];
    return start > 0 ? static_cast<size_t>(start - 1) : 0;
}

inline bool agree(char p, char w, bool openAgrees) {
    return p == '?' || p == '*' || w == p || (openAgrees && static_cast<unsigned char>(w) <= 64);
}

// GeNu of inlista and of the fit test: "" when the entry is turned down.
inline std::string lastLetters(char last, char known) {
    std::string form(bracketedForm(last));
    if (form.empty()) form = std::string(1, last);
    if (known == 0) return form;
    return form.find(known) == std::string::npos ? "" : std::string(1, known);
}

inline bool lineFits(const std::string& p, const SlotQuery& q, std::string_view riga) {
    if (riga.empty() || riga[0] == '\'' || riga[0] == '#') return false;
    if (riga.size() < p.size() || riga.size() > q.full.size()) return false;
    if (riga.size() != p.size() && p.front() != '*' && p.back() != '*') return false;
    const size_t shift = p.front() == '*' ? riga.size() - p.size() : 0;
    for (size_t k = 0; k < p.size(); ++k)
        if (!agree(p[k], riga[shift + k], true)) return false;
    return true;
}

// The list lines of a slot search in scan order, as the line-by-line scan makes them.
struct Scan {
    std::vector<std::string> entries;
    bool stopped = false, capped = false;
};

inline Scan scanSlot(const DictionarySet& dicts, const SlotQuery& q, Progress& progress) {
    Scan out;
    const std::string p(q.pattern);
    const size_t fw = firstWildPosition(p);
    const std::string fixed = p.substr(0, fw - 1);
    for (int ndi = 1; ndi <= SEARCHABLE_SLOTS; ++ndi) {
        const Dictionary& dict = dicts[ndi];
        if (!dict.present() || !dict.active) continue;
        const std::string& text = dict.dictText;
        size_t pos = p[0] == '?' || p[0] == '*' ? 0 : letterStart(dict, p[0]);
        while (pos < text.size()) {
            if (progress.tick()) {
                out.stopped = true;
                return out;
            }
            size_t e = text.find("\r\n", pos);
            if (e == std::string::npos) e = text.size();
            const std::string_view riga = std::string_view(text).substr(pos, e - pos);
            if (lineFits(p, q, riga)) {
                std::string entry(riga);
                if (p.front() == '*') {
                    const long n = static_cast<long>(p.size() + q.headCut.size()) - 1 - static_cast<long>(riga.size());
                    entry.insert(0, n > 0 ? n : 0, ' ');
                }
                bool keep = true;
                if (ndi == 1) {
                    const char a = p.back();
                    const std::string genu = lastLetters(riga.back(), a == '?' || a == '*' ? 0 : a);
                    keep = !genu.empty();
                    if (keep) entry = entry.substr(0, entry.size() - 1) + genu;
                }
                if (keep) out.entries.push_back(entry + " -" + std::to_string(ndi));
            }
            if (!q.estesa && out.entries.size() == RESULT_CAP) {
                out.capped = true;
                return out;
            }
            if (p.front() != '*' && riga.substr(0, fw - 1) > std::string_view(fixed)) break;
            pos = e + 2;
        }
    }
    return out;
}

inline FitTest sugginc(const DictionarySet& dicts, std::string_view pattern, bool accorcia, Progress& progress) {
    const std::string orig(pattern);
    const size_t fw = orig.find('?') == std::string::npos ? 0 : orig.find('?') + 1;
    size_t shortest = orig.size();
    if (accorcia) {
        const size_t last = orig.find_last_not_of('?');
        shortest = last == std::string::npos ? 1 : last + 1;
    }
    FitTest result;
    result.fitLen = static_cast<int16_t>(orig.size());
    for (size_t len = orig.size(); len >= shortest && len >= 1; --len) {
        const std::string p = orig.substr(0, len);
        for (int ndi = 1; ndi <= SEARCHABLE_SLOTS; ++ndi) {
            const Dictionary& dict = dicts[ndi];
            if (!dict.present() || !dict.active) continue;
            const std::string& text = dict.dictText;
            size_t pos = p[0] == '?' ? 0 : letterStart(dict, p[0]);
            while (pos < text.size()) {
                if (progress.tick()) return {false, result.fitLen, true};
                size_t e = text.find("\r\n", pos);
                if (e == std::string::npos) e = text.size();
                const std::string_view riga = std::string_view(text).substr(pos, e - pos);
                bool fits = !riga.empty() && riga[0] != '\'' && riga.size() == p.size();
                for (size_t k = 0; fits && k < p.size(); ++k) fits = agree(p[k], riga[k], ndi == 1);
                if (fits && ndi == 1) {
                    const char a = p.back();
                    fits = !lastLetters(riga.back(), a >= 'A' && a <= 'Z' ? a : 0).empty();
                }
                if (fits) return {true, static_cast<int16_t>(len), false};
                const std::string_view pv = p;
                if (fw > 0 ? riga.substr(0, fw - 1) > pv.substr(0, fw - 1) : riga.substr(0, len) > pv) break;
                pos = e + 2;
            }
        }
        result.fitLen = static_cast<int16_t>(len - 1);
    }
    return result;
}

}  // namespace quirvo::reference
