#include "core/tools/mythes_thesaurus.h"

#include <mythes.hxx>

#include <algorithm>
#include <array>
#include <fstream>

#include "core/common/readable_file.h"
#include "core/common/text_encoding.h"
#include "core/tools/thesaurus_forms.h"

namespace quirvo {

namespace {

// Thesauri in the LibreOffice format mark an antonym among the synonyms of
// a meaning with a parenthesised note after it.
bool takeAntonymMark(std::string& entry) {
    static const std::array<std::string_view, 3> marks = {" (antonym)", " (antonimo)", " (contrario)"};
    for (std::string_view mark : marks) {
        if (entry.size() > mark.size() && entry.ends_with(mark)) {
            entry.resize(entry.size() - mark.size());
            return true;
        }
    }
    return false;
}

void addOnce(std::vector<std::string>& list, std::string word) {
    if (std::find(list.begin(), list.end(), word) == list.end()) list.push_back(std::move(word));
}

}  // namespace

std::unique_ptr<MythesThesaurus> MythesThesaurus::open(const std::string& indexFile, const std::string& dataFile,
                                                       std::string* problem) {
    auto fail = [&](std::string why) {
        if (problem) *problem = std::move(why);
        return nullptr;
    };
    for (const std::string& path : {indexFile, dataFile})
        if (!readableFile(path)) return fail("file mancante o illeggibile: " + path);
    auto data = std::make_unique<MyThes>(indexFile.c_str(), dataFile.c_str());
    const char* encoding = data->get_th_encoding();
    if (!encoding) return fail("dizionario dei sinonimi illeggibile: " + indexFile);
    CharsetConversion charset(encoding);
    if (!charset.supported()) return fail("codifica sconosciuta in " + dataFile);
    return std::unique_ptr<MythesThesaurus>(new MythesThesaurus(std::move(data), std::move(charset), dataFile));
}

MythesThesaurus::MythesThesaurus(std::unique_ptr<MyThes> data, CharsetConversion charset, std::string dataFile)
    : data_(std::move(data)), charset_(std::move(charset)), dataFile_(std::move(dataFile)) {}

MythesThesaurus::~MythesThesaurus() = default;

std::vector<Meaning> MythesThesaurus::meanings(std::string_view word) const {
    const std::lock_guard<std::mutex> lock(turn_);
    for (const std::string& form : thesaurusForms(validUtf8(word))) {
        const auto key = charset_.toData(form);
        if (!key || key->size() >= MAX_WD_LEN) continue;
        mentry* found = nullptr;
        const int count = data_->Lookup(key->c_str(), static_cast<int>(key->size()), &found);
        if (count <= 0) continue;
        std::vector<Meaning> out(static_cast<size_t>(count));
        for (int m = 0; m < count; ++m) {
            // MyThes joins the tag and the first synonym into the meaning's name.
            if (found[m].defn) {
                const std::string name = charset_.fromData(found[m].defn).value_or("");
                out[size_t(m)].tag = name.starts_with('(') ? name.substr(0, name.find(')') + 1) : "";
            }
            for (int s = 0; s < found[m].count; ++s) {
                auto entry = charset_.fromData(found[m].psyns[s]);
                if (!entry) continue;
                const bool antonym = takeAntonymMark(*entry);
                addOnce(antonym ? out[size_t(m)].antonyms : out[size_t(m)].synonyms, std::move(*entry));
            }
        }
        data_->CleanUpAfterLookup(&found, count);
        return out;
    }
    return {};
}

std::vector<Meaning> MythesThesaurus::listing(std::string_view folded) const {
    std::call_once(listingsRead_, [this] {
        std::ifstream in(dataFile_, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        listings_ = ThesaurusListings(charset_.fromData(bytes).value_or(""));
    });
    return listings_.listing(folded);
}

}  // namespace quirvo
