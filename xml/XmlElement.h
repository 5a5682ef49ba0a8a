#pragma once

#include <list>
#include <string>
#include <utility>
#include <vector>

// A minimal XML element tree that is built once and written out: a name,
// ordered attributes and ordered child elements, no text content. Names and
// values are UTF-8 byte strings.
class XmlElement {
public:
    explicit XmlElement(std::string name);

    // Appends a child one level deeper. The returned reference stays valid for
    // as long as this element lives, whatever is added afterwards.
    XmlElement& AddChild(std::string name);

    // Sets an attribute and returns this element. A new attribute is appended
    // with its value (up to its first zero byte) escaped; an existing one keeps
    // its place and gets the new value, escaped the same way.
    XmlElement& SetAttribute(const std::string& name, const std::string& value);

    // Appends this element and its subtree to out: TAB indentation by depth,
    // LF line ends, a childless element as "<name .../>" followed by its
    // indentation and LF.
    void Write(std::string& out) const;

    const std::string& Name() const { return m_name; }
    int Depth() const { return m_depth; }
    const std::list<XmlElement>& Children() const { return m_children; }
    const std::vector<std::pair<std::string, std::string>>& Attributes() const {
        return m_attributes;
    }

private:
    std::string m_name;
    std::list<XmlElement> m_children;
    int m_depth = 0;
    std::vector<std::pair<std::string, std::string>> m_attributes;
};

// The document's first line, LF included.
std::string XmlPrologue();

// The escaped form of an attribute value, as stored by SetAttribute.
std::string EscapeAttributeValue(const std::string& value);
