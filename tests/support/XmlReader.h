#pragma once

#include <string>
#include <utility>
#include <vector>

// A document as a conforming XML reader sees it: element names and attribute
// values after the reader has undone escaping and normalization.
struct ReadElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<ReadElement> children;
};

struct ReadResult {
    bool wellFormed = false;
    std::string error;
    ReadElement root;
};

// Whether a real conforming reader is built into this test program.
bool HaveXmlReader();

// Parses a whole document (byte-order mark allowed) with expat.
ReadResult ReadXml(const std::string& document);
