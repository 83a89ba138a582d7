#include "core/facts/verb_forms.h"

#include <gtest/gtest.h>

#include "core/facts/clitics.h"

namespace quirvo {
namespace {

constexpr KindSet bits(std::initializer_list<WordKind> kinds) {
    KindSet set = 0;
    for (const WordKind k : kinds) set |= kindBit(k);
    return set;
}

TEST(VerbForms, EachFormOfAParadigmGetsItsKind) {
    const VerbParadigm amare("AMARE", {"AMO", "AMA", "AMAVO", "AMAVI", "AMIAMO", "AMATE", "AMATO", "AMANTE", "AMANDO",
                                       "AMAR", "AMARTI", "AMIAMOCI", "AMANDOLA", "AMATOSI", "AMAMI", "AMASSI",
                                       "AMAVA", "AMAVASI"});
    const VerbParadigm dire("DIRE", {"DI", "DICI", "DISSI", "DIMMI", "DIGLI", "DIRLO"});
    const VerbParadigm porre("PORRE", {"PONGO", "PONENDO", "POSTO", "PONENTE", "PORLO", "POR"});
    const VerbParadigm finire("FINIRE", {"FINISCO", "FINITE", "FINIVI", "FINIVO", "FINISCI", "FINITELO"});
    const struct {
        const VerbParadigm& verb;
        const char* form;
        KindSet kinds;
    } cases[] = {
        {amare, "AMARE", bits({WordKind::Infinitive})},
        {amare, "AMAR", bits({WordKind::Truncated})},
        {amare, "AMATO", bits({WordKind::PastParticiple})},
        {amare, "AMATE", bits({WordKind::PastParticiple, WordKind::FiniteVerb})},
        {amare, "AMANTE", bits({WordKind::PresentParticiple})},
        {amare, "AMANDO", bits({WordKind::Gerund})},
        {amare, "AMO", bits({WordKind::FiniteVerb})},
        {amare, "AMAVI", bits({WordKind::FiniteVerb})},  // AMAVO: the imperfect
        {amare, "AMASSI", bits({WordKind::FiniteVerb})},
        {amare, "AMARTI", bits({WordKind::VerbWithPronouns})},
        {amare, "AMIAMOCI", bits({WordKind::VerbWithPronouns})},
        {amare, "AMANDOLA", bits({WordKind::VerbWithPronouns})},
        {amare, "AMATOSI", bits({WordKind::VerbWithPronouns})},
        {amare, "AMAMI", bits({WordKind::VerbWithPronouns})},
        {amare, "AMAVASI", bits({WordKind::VerbWithPronouns})},
        {dire, "DIMMI", bits({WordKind::VerbWithPronouns})},  // the pronoun doubles after DI
        {dire, "DIGLI", bits({WordKind::VerbWithPronouns})},  // but GLI does not
        {dire, "DIRLO", bits({WordKind::VerbWithPronouns})},
        {dire, "DICI", bits({WordKind::FiniteVerb})},
        {dire, "DISSI", bits({WordKind::FiniteVerb})},  // SI never follows an imperative
        {porre, "PONENDO", bits({WordKind::Gerund})},
        {porre, "POSTO", bits({WordKind::PastParticiple})},
        {porre, "PONENTE", bits({WordKind::PresentParticiple})},
        {porre, "PORLO", bits({WordKind::VerbWithPronouns})},
        {porre, "POR", bits({WordKind::Truncated})},
        {porre, "PONGO", bits({WordKind::FiniteVerb})},
        {finire, "FINITE", bits({WordKind::PastParticiple, WordKind::FiniteVerb})},
        {finire, "FINIVI", bits({WordKind::FiniteVerb})},
        {finire, "FINISCI", bits({WordKind::FiniteVerb})},
        {finire, "FINITELO", bits({WordKind::VerbWithPronouns})},
    };
    for (const auto& c : cases) EXPECT_EQ(verbFormKinds(c.verb, c.form), c.kinds) << c.form;
}

TEST(VerbForms, CliticClusters) {
    for (const char* cluster : {"MI", "GLI", "GLIELO", "SENE", "CELA", "MISI", "GLICI", "VENE"})
        EXPECT_TRUE(isCliticCluster(cluster)) << cluster;
    for (const char* other : {"TE", "SE", "GLIE", "NELO", "SISI", "LOLA", "MIVI", "O"})
        EXPECT_FALSE(isCliticCluster(other)) << other;
    EXPECT_EQ(cliticEndings("DICENDOGLIELO"), (std::vector<size_t>{2, 6}));  // LO, GLIELO
    EXPECT_EQ(cliticEndings("LO"), std::vector<size_t>{});                   // something must come first
}

}  // namespace
}  // namespace quirvo
