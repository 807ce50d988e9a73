#include "xml/xml_document.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <optional>
#include <pugixml.hpp>
#include <sstream>
#include <zelvane/attribute_kinds.hpp>
#include <zelvane/error.hpp>

namespace zelvane::xml {
namespace {

constexpr unsigned kParseFlags = pugi::parse_default;
constexpr unsigned kWriteFlags = pugi::format_raw | pugi::format_no_declaration;

pugi::xml_node toNode(void* handle) {
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(handle));
}

void* toHandle(pugi::xml_node node) { return node.internal_object(); }

// A well-formed document has exactly one top-level element.
bool hasSingleRoot(const pugi::xml_document& doc) {
    int elements = 0;
    for (pugi::xml_node c : doc.children())
        if (c.type() == pugi::node_element) ++elements;
    return elements == 1;
}

// True when the zero-terminated name a document holds equals name. Compared byte by byte, so
// that the stored name is never measured first.
bool isNamed(const char* stored, std::string_view name) {
    std::size_t i = 0;
    while (i < name.size() && stored[i] != '\0' && stored[i] == name[i]) ++i;
    return i == name.size() && stored[i] == '\0';
}

}  // namespace

// XmlNode

std::string XmlNode::name() const { return toNode(handle_).name(); }

std::string XmlNode::attribute(std::string_view name) const {
    if (isNull()) return {};
    return toNode(handle_).attribute(std::string(name).c_str()).value();
}

std::string_view XmlNode::attributeView(std::string_view name) const {
    if (isNull()) return {};
    for (pugi::xml_attribute a = toNode(handle_).first_attribute(); a; a = a.next_attribute())
        if (isNamed(a.name(), name)) return a.value();
    return {};
}

void XmlNode::attributeViews(const std::string_view* names, std::string_view* out,
                             std::size_t count) const {
    std::fill_n(out, count, std::string_view());
    if (isNull()) return;
    std::size_t found = 0;
    for (pugi::xml_attribute a = toNode(handle_).first_attribute(); a && found < count;
         a = a.next_attribute()) {
        const char* name = a.name();
        for (std::size_t i = 0; i < count; ++i) {
            if (out[i].data() != nullptr || !isNamed(name, names[i])) continue;
            out[i] = a.value();
            ++found;
            break;
        }
    }
}

void XmlNode::setAttribute(std::string_view name, std::string_view value) {
    if (isNull())
        throw ZlvError("Object variable not set: no XML node to set '" + std::string(name) +
                       "' on");
    pugi::xml_node n = toNode(handle_);
    pugi::xml_attribute a;
    for (pugi::xml_attribute each : n.attributes())
        if (name == each.name()) {
            a = each;
            break;
        }
    if (!a) a = n.append_attribute(std::string(name).c_str());
    a.set_value(value.data(), value.size());
}

void XmlNode::setAttributeValues(std::initializer_list<std::string_view> values) {
    if (isNull()) throw ZlvError("Object variable not set: no XML node to set values on");
    pugi::xml_attribute a = toNode(handle_).first_attribute();
    for (const std::string_view value : values) {
        if (!a)
            throw ZlvError("The element '" + std::string(toNode(handle_).name()) +
                           "' has fewer than " + std::to_string(values.size()) + " attributes");
        a.set_value(value.data(), value.size());
        a = a.next_attribute();
    }
}

void XmlNode::appendAttribute(const char* name, std::string_view value) {
    if (isNull())
        throw ZlvError(std::string("Object variable not set: no XML node to set '") + name +
                       "' on");
    toNode(handle_).append_attribute(name).set_value(value.data(), value.size());
}

void XmlNode::attributes(std::vector<XmlAttributeView>& out) const {
    out.clear();
    if (isNull()) return;
    for (pugi::xml_attribute a = toNode(handle_).first_attribute(); a; a = a.next_attribute())
        out.push_back({a.name(), a.value()});
}

bool XmlNode::hasChildElements() const {
    if (isNull()) return false;
    for (pugi::xml_node c = toNode(handle_).first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element) return true;
    return false;
}

// Collects serialised XML straight into a string.
struct StringWriter final : pugi::xml_writer {
    explicit StringWriter(std::string& s) : out(s) {}
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
    std::string& out;
};

std::string XmlNode::outerXml() const {
    std::string out;
    appendOuterXml(out);
    return out;
}

void XmlNode::appendOuterXml(std::string& out) const {
    if (isNull()) return;
    StringWriter writer(out);
    toNode(handle_).print(writer, "", kWriteFlags);
}

// A node without attributes prints as "<name>", its children, "</name>" (or "<name />"
// without children), so its children's text is what lies between; printing once costs far
// less than printing each child. Other nodes print their children one by one.
void XmlNode::appendChildrenXml(std::string& out) const {
    if (isNull()) return;
    const pugi::xml_node n = toNode(handle_);
    if (n.first_attribute() || !n.first_child()) {
        for (pugi::xml_node c : n.children()) XmlNode(toHandle(c)).appendOuterXml(out);
        return;
    }
    const std::size_t start = out.size();
    appendOuterXml(out);
    const std::size_t nameSize = std::strlen(n.name());
    const std::size_t open = nameSize + 2;   // "<name>"
    const std::size_t close = nameSize + 3;  // "</name>"
    out.erase(out.size() - close);
    out.erase(start, open);
}

XmlNodeList XmlNode::childNodes() const {
    XmlNodeList list;
    if (isNull()) return list;
    for (pugi::xml_node c : toNode(handle_).children())
        if (c.type() == pugi::node_element) list.nodes_.push_back(toHandle(c));
    return list;
}

// XmlNodeList

void checkNodeCount(std::size_t count) {
    if (count > static_cast<std::size_t>(kMaxRows))
        throw ZlvError("Overflow: the node count " + std::to_string(count) + " exceeds " +
                       std::to_string(kMaxRows));
}

std::int16_t XmlNodeList::length() const {
    checkNodeCount(nodes_.size());
    return static_cast<std::int16_t>(nodes_.size());
}

XmlNode XmlNodeList::nextNode() {
    if (cursor_ >= nodes_.size()) return XmlNode();
    return XmlNode(nodes_[cursor_++]);
}

XmlNode XmlNodeList::item(std::size_t index) const {
    return index < nodes_.size() ? XmlNode(nodes_[index]) : XmlNode();
}

// XmlDocument

struct XmlDocument::Impl {
    pugi::xml_document doc;
    std::string text;  // the text an in-place load parsed; the document points into it

    void reset() {
        doc.reset();
        std::string().swap(text);
    }
};

namespace {

void checkLength(std::size_t size) {
    if (size > kMaxXmlText)
        throw ZlvError("The XML text is " + std::to_string(size) +
                       " bytes long; the control reads at most " + std::to_string(kMaxXmlText) +
                       " bytes (64 MiB)");
}

}  // namespace

XmlDocument::XmlDocument() : impl_(std::make_unique<Impl>()) {}
XmlDocument::~XmlDocument() = default;

bool XmlDocument::loadXml(std::string_view text) {
    impl_->reset();
    checkLength(text.size());
    pugi::xml_parse_result r =
        impl_->doc.load_buffer(text.data(), text.size(), kParseFlags, pugi::encoding_utf8);
    const bool ok = r && hasSingleRoot(impl_->doc);
    if (!ok) impl_->doc.reset();
    return ok;
}

bool XmlDocument::loadXmlInPlace(std::string text) {
    impl_->reset();
    checkLength(text.size());
    // The parser reads a text holding a NUL byte differently in place than from a copy; such
    // a text is never well-formed, and goes the copying way so that both loads agree.
    if (text.find('\0') != std::string::npos) return loadXml(text);
    impl_->text = std::move(text);
    pugi::xml_parse_result r = impl_->doc.load_buffer_inplace(
        impl_->text.data(), impl_->text.size(), kParseFlags, pugi::encoding_utf8);
    const bool ok = r && hasSingleRoot(impl_->doc);
    if (!ok) impl_->reset();
    return ok;
}

bool XmlDocument::load(const std::string& path) {
    impl_->reset();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    return loadXmlInPlace(std::move(content).str());
}

std::string XmlDocument::xml() const {
    std::string out;
    StringWriter writer(out);
    impl_->doc.save(writer, "", kWriteFlags, pugi::encoding_utf8);
    return out;
}

namespace {

bool isPlainNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// The element names of a path made only of "/name" steps, or nothing for any other path.
std::optional<std::vector<std::string_view>> plainSteps(std::string_view path) {
    std::vector<std::string_view> steps;
    while (!path.empty()) {
        if (path.front() != '/') return std::nullopt;
        path.remove_prefix(1);
        const std::size_t end = path.find('/');
        const std::string_view name = path.substr(0, end);
        if (name.empty() || !std::all_of(name.begin(), name.end(), isPlainNameChar) ||
            !(std::isalpha(static_cast<unsigned char>(name.front())) || name.front() == '_'))
            return std::nullopt;
        steps.push_back(name);
        path.remove_prefix(name.size());
    }
    if (steps.empty()) return std::nullopt;
    return steps;
}

// Walks a "/a/b/c" path step by step, calling found(element) for each match: the same
// elements in the same document order as the XPath evaluation, without building and sorting
// a node set. The next sibling is read before a match is handed out, which may remove it.
template <class Found>
void walkPlainPath(const pugi::xml_node& from, const std::vector<std::string_view>& steps,
                   std::size_t step, Found& found) {
    pugi::xml_node next;
    for (pugi::xml_node c = from.first_child(); c; c = next) {
        next = c.next_sibling();
        if (c.type() != pugi::node_element || !isNamed(c.name(), steps[step])) continue;
        if (step + 1 == steps.size())
            found(c);
        else
            walkPlainPath(c, steps, step + 1, found);
    }
}

// The nodes an XPath that is not a plain path selects; none when it is not valid.
std::vector<void*> evaluateXPath(const pugi::xml_document& doc, const std::string& xpath) {
    std::vector<void*> nodes;
    try {
        pugi::xpath_node_set set = doc.select_nodes(xpath.c_str());
        nodes.reserve(set.size());
        for (const pugi::xpath_node& n : set)
            if (n.node()) nodes.push_back(toHandle(n.node()));
    } catch (const pugi::xpath_exception&) {
        nodes.clear();
    }
    return nodes;
}

}  // namespace

XmlNodeList XmlDocument::selectNodes(const std::string& xpath) const {
    XmlNodeList list;
    if (const auto steps = plainSteps(xpath)) {
        auto add = [&](pugi::xml_node n) { list.nodes_.push_back(toHandle(n)); };
        walkPlainPath(impl_->doc, *steps, 0, add);
    } else {
        list.nodes_ = evaluateXPath(impl_->doc, xpath);
    }
    return list;
}

std::size_t XmlDocument::visitSelected(const std::string& xpath, void (*visit)(void*, XmlNode),
                                       void* context) {
    std::size_t count = 0;
    if (const auto steps = plainSteps(xpath)) {
        auto found = [&](pugi::xml_node n) {
            ++count;
            visit(context, XmlNode(toHandle(n)));
        };
        walkPlainPath(impl_->doc, *steps, 0, found);
        return count;
    }
    for (void* n : evaluateXPath(impl_->doc, xpath)) {
        ++count;
        visit(context, XmlNode(n));
    }
    return count;
}

XmlNode XmlDocument::selectSingleNode(std::string_view name) const {
    pugi::xml_node n = impl_->doc.child(std::string(name).c_str());
    return n ? XmlNode(toHandle(n)) : XmlNode();
}

XmlNode XmlDocument::firstElementByName(std::string_view name) const {
    std::string wanted(name);
    pugi::xml_node n = impl_->doc.find_node(
        [&](pugi::xml_node c) { return c.type() == pugi::node_element && wanted == c.name(); });
    return n ? XmlNode(toHandle(n)) : XmlNode();
}

XmlNode XmlDocument::createElement(std::string_view name, const XmlNode& parent) {
    std::string n(name);
    if (parent.isNull()) {
        if (impl_->doc.document_element())
            throw ZlvError("The XML document already has a root element");
        return XmlNode(toHandle(impl_->doc.append_child(n.c_str())));
    }
    return XmlNode(toHandle(toNode(parent.handle_).append_child(n.c_str())));
}

void XmlDocument::remove(const XmlNode& node) {
    if (node.isNull()) return;
    pugi::xml_node n = toNode(node.handle_);
    if (pugi::xml_node parent = n.parent()) parent.remove_child(n);
}

XmlNode XmlDocument::appendCopy(const XmlNode& parent, const XmlNode& node) {
    if (parent.isNull() || node.isNull())
        throw ZlvError("Object variable not set: no XML node to append");
    return XmlNode(toHandle(toNode(parent.handle_).append_copy(toNode(node.handle_))));
}

}  // namespace zelvane::xml
