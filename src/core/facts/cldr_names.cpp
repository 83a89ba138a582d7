#include "core/facts/cldr_names.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace quirvo {

namespace {

struct Reading {
    CldrNames names;
    std::map<std::string, std::string>* into = nullptr;  // inside <territories> or <languages>
    std::map<std::string, std::string>* current = nullptr;  // inside one name element
    std::string code, text;
};

void XMLCALL start(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& r = *static_cast<Reading*>(data);
    const std::string_view element = name;
    if (element == "territories") r.into = &r.names.territories;
    else if (element == "languages") r.into = &r.names.languages;
    if (!r.into || (element != "territory" && element != "language")) return;
    std::string type;
    for (const XML_Char** a = attributes; a[0]; a += 2) {
        if (std::string_view(a[0]) == "alt") return;
        if (std::string_view(a[0]) == "type") type = a[1];
    }
    r.current = r.into;
    r.code = type;
    r.text.clear();
}

void XMLCALL end(void* data, const XML_Char* name) {
    auto& r = *static_cast<Reading*>(data);
    const std::string_view element = name;
    if (element == "territories" || element == "languages") r.into = nullptr;
    if (r.current && (element == "territory" || element == "language")) {
        if (!r.code.empty() && !r.text.empty()) r.current->emplace(r.code, r.text);
        r.current = nullptr;
    }
}

void XMLCALL characters(void* data, const XML_Char* s, int length) {
    auto& r = *static_cast<Reading*>(data);
    if (r.current) r.text.append(s, size_t(length));
}

}  // namespace

std::optional<CldrNames> readCldrNames(std::string_view xml) {
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                              XML_ParserFree);
    if (!parser || xml.size() > size_t(INT_MAX)) return std::nullopt;
    Reading reading;
    XML_SetUserData(parser.get(), &reading);
    XML_SetElementHandler(parser.get(), start, end);
    XML_SetCharacterDataHandler(parser.get(), characters);
    if (XML_Parse(parser.get(), xml.data(), int(xml.size()), XML_TRUE) != XML_STATUS_OK) return std::nullopt;
    return std::move(reading.names);
}

}  // namespace quirvo
