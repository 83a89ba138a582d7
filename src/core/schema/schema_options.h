#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/fill/word_rules.h"
#include "core/grid/grid.h"
#include "core/schema/structure.h"

namespace quirvo {

// How far a schema generation has come, for a progress display.
struct SchemaProgress {
    int bestBlack = -1;  // black cells of the best schema so far; -1 before the first
    long attempts = 0;   // patterns tried: first fills and black cells moved or taken away
    double seconds = 0;
};

// What a schema may hold and how long the generator may look.
struct SchemaOptions {
    DictMask active = 0x3F;
    // The editor's rules over the same table; null when off.
    std::shared_ptr<const WordRules> rules;
    Symmetry symmetry = Symmetry::None;
    double maxBlackShare = 1.0 / 6;  // of the cells, at most
    double seconds = 60;             // time limit
    uint64_t seed = 1;
    int count = 3;  // how many distinct schemas to answer, best first
    // Ends the work after this many attempts (0: no limit); with the same
    // seed, the same attempts give the same schemas on any machine.
    long attempts = 0;
    const std::atomic<bool>* stop = nullptr;
    // Called on the generating thread about ten times a second.
    std::function<void(const SchemaProgress&)> progress;
};

enum class SchemaOutcome { Filled, Stopped };

// A filled schema and what it scores: fewer black cells first, then a
// lower cost of its words.
struct Schema {
    Grid grid;
    int black = 0;
    long cost = 0;
};

struct SchemaResult {
    // Filled when at least one schema was found; Stopped (with none) when
    // the time, the attempts or the stop flag ran out first.
    SchemaOutcome outcome = SchemaOutcome::Stopped;
    std::vector<Schema> schemas;  // distinct black patterns, best first
    double seconds = 0;
    double firstSeconds = -1;  // when the first schema was found; -1 for none
    SchemaProgress progress;
};

}  // namespace quirvo
