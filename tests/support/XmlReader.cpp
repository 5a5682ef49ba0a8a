#include "tests/support/XmlReader.h"

#ifdef TONVARO_HAVE_EXPAT

#include <expat.h>

namespace {

struct ParseState {
    ReadElement root;
    std::vector<ReadElement*> open;
};

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* state = static_cast<ParseState*>(data);
    ReadElement* element = nullptr;
    if (state->open.empty()) {
        element = &state->root;
    } else {
        element = &state->open.back()->children.emplace_back();
    }
    element->name = name;
    for (size_t i = 0; attributes[i] != nullptr; i += 2) {
        element->attributes.emplace_back(attributes[i], attributes[i + 1]);
    }
    state->open.push_back(element);
}

void OnEnd(void* data, const XML_Char*) {
    static_cast<ParseState*>(data)->open.pop_back();
}

}  // namespace

bool HaveXmlReader() {
    return true;
}

ReadResult ReadXml(const std::string& document) {
    ParseState state;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, OnStart, OnEnd);
    ReadResult result;
    result.wellFormed = XML_Parse(parser, document.data(), static_cast<int>(document.size()),
                                  XML_TRUE) == XML_STATUS_OK;
    if (!result.wellFormed) {
        result.error = XML_ErrorString(XML_GetErrorCode(parser));
        result.error += " at line " + std::to_string(XML_GetCurrentLineNumber(parser));
    }
    XML_ParserFree(parser);
    result.root = std::move(state.root);
    return result;
}

#else

bool HaveXmlReader() {
    return false;
}
ReadResult ReadXml(const std::string&) {
    return {};
}

#endif
