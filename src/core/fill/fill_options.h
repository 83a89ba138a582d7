#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/dictionary/word_kind.h"
#include "core/dictionary/word_table.h"
#include "core/fill/word_rules.h"
#include "core/grid/grid.h"

namespace quirvo {

// How far a running fill has come, for a progress display.
struct FillProgress {
    int slotsFilled = 0;  // slots reading one word in the current attempt
    int slotCount = 0;
    int bestDepth = 0;    // most slots filled at once so far
    int restarts = 0;
    double seconds = 0;
};

// What a fill may use and how long it may take. The fill reads the stop
// flag and the clock often, so a worker thread can be stopped at once.
struct FillOptions {
    DictMask active = 0x3F;  // the dictionaries the words may come from
    double seconds = 60;     // time limit
    uint64_t seed = 1;       // the same seed on the same grid gives the same fill
    bool improve = false;    // keep searching until the time limit for a cheaper fill
    // Stops after this many failed tries in all (0: no limit). Unlike the
    // clock, it ends a search at the same point on any machine.
    long failureLimit = 0;
    // The editor's rules, worked out over the same table; null when off.
    std::shared_ptr<const WordRules> rules;
    const std::atomic<bool>* stop = nullptr;
    // Called on the filling thread about ten times a second.
    std::function<void(const FillProgress&)> progress;
};

enum class FillOutcome { Filled, NoFill, Stopped };

// What a filled grid is made of. Indexes are dictionary slots 1..6; index 0
// counts words found in no active dictionary (none in a fill of ours).
struct FillReport {
    std::array<int, 7> wordsByDictionary{};
    long totalCost = 0;
    std::vector<std::string> repeated;  // words read by two or more slots
    // With the word facts: the entries by the kind they count by, their
    // mean familiarity, and those the rules refuse, or that share a lemma
    // with an earlier entry.
    bool judged = false;
    std::array<int, WORD_KINDS> entriesByKind{};
    double meanFamiliarity = 0;
    std::vector<std::string> refused;
};

struct FillResult {
    FillOutcome outcome = FillOutcome::Stopped;
    bool timedOut = false;  // stopped by the time limit rather than the stop flag
    Grid grid;              // the fill, or the grid as given when there is none
    double seconds = 0;
    FillReport report;      // of the filled grid; empty otherwise
    FillProgress progress;  // where the search stood at the end
};

// One word proposed for a slot, best first in a list.
struct SlotWord {
    std::string word;
    int dictionary = 0;  // earliest active slot listing it
    double score = 0;    // higher is better: room left to the crossing slots, less the cost
};

}  // namespace quirvo
