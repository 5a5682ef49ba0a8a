#include "xml/XmlElement.h"

#include <cstring>
#include <string_view>

namespace {

// What an attribute value byte turns into. The markup characters become
// entities; TAB, LF and CR become character references, because a reader
// would otherwise normalize them to spaces; the other C0 controls cannot be
// carried by XML 1.0 at all and are left out.
std::string_view EscapedByte(char byte, bool& replaced) {
    replaced = true;
    switch (byte) {
        case '"':
            return "&quot;";
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '\t':
            return "&#9;";
        case '\n':
            return "&#10;";
        case '\r':
            return "&#13;";
        default:
            break;
    }
    if (static_cast<unsigned char>(byte) < 0x20) {
        return {};
    }
    replaced = false;
    return {};
}

// U+FFFE and U+FFFF (EF BF BE, EF BF BF) are not XML characters either.
bool IsNonCharacterAt(const std::string& value, size_t at) {
    return at + 2 < value.size() && static_cast<unsigned char>(value[at]) == 0xEF &&
           static_cast<unsigned char>(value[at + 1]) == 0xBF &&
           (static_cast<unsigned char>(value[at + 2]) & 0xFE) == 0xBE;
}

}  // namespace

std::string EscapeAttributeValue(const std::string& value) {
    const std::string whole(value.c_str(), std::strlen(value.c_str()));
    std::string escaped;
    escaped.reserve(whole.size());
    for (size_t i = 0; i < whole.size(); ++i) {
        if (IsNonCharacterAt(whole, i)) {
            i += 2;
            continue;
        }
        bool replaced = false;
        const std::string_view replacement = EscapedByte(whole[i], replaced);
        if (replaced) {
            escaped.append(replacement);
        } else {
            escaped.push_back(whole[i]);
        }
    }
    return escaped;
}

XmlElement::XmlElement(std::string name) : m_name(std::move(name)) {}

XmlElement& XmlElement::AddChild(std::string name) {
    XmlElement& child = m_children.emplace_back(std::move(name));
    child.m_depth = m_depth + 1;
    return child;
}

XmlElement& XmlElement::SetAttribute(const std::string& name, const std::string& value) {
    for (auto& [existingName, existingValue] : m_attributes) {
        if (existingName == name) {
            existingValue = EscapeAttributeValue(value);
            return *this;
        }
    }
    m_attributes.emplace_back(name, EscapeAttributeValue(value));
    return *this;
}

void XmlElement::Write(std::string& out) const {
    const std::string indentation(m_depth > 0 ? static_cast<size_t>(m_depth) : 0, '\t');
    out += indentation;
    out += '<';
    out += m_name;
    for (const auto& [name, value] : m_attributes) {
        out += ' ';
        out += name;
        out += "=\"";
        out += value;
        out += '"';
    }
    if (m_children.empty()) {
        out += "/>";
        out += indentation;
        out += '\n';
        return;
    }
    out += ">\n";
    for (const XmlElement& child : m_children) {
        child.Write(out);
    }
    out += indentation;
    out += "</";
    out += m_name;
    out += ">\n";
}

std::string XmlPrologue() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
}
