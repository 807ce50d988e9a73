#pragma once
// The XML document service: reading and writing documents, nodes and node lists.
// Every use creates a fresh document; nothing is shared between calls.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace zelvane::xml {

// Largest XML text a document loads (64 MiB); loading a larger text throws ZlvError.
inline constexpr std::size_t kMaxXmlText = 64u * 1024u * 1024u;

class XmlNodeList;

// Throws ZlvError (overflow) when a count of nodes does not fit 16 bits (beyond 32767), as a
// node list's length does.
void checkNodeCount(std::size_t count);

// An attribute's name and text as zero-terminated texts, valid while its document lives
// unchanged. Lengths are left to the reader, who often needs only some of them.
struct XmlAttributeView {
    const char* name;
    const char* value;
};

// A handle to an element of a document; valid while its document lives.
class XmlNode {
  public:
    XmlNode() = default;
    bool isNull() const { return handle_ == nullptr; }
    std::string name() const;
    // The attribute's text, or "" when the node has no such attribute (or is null).
    std::string attribute(std::string_view name) const;
    // As attribute, as a view valid while the document lives unchanged.
    std::string_view attributeView(std::string_view name) const;
    // Views of several attributes in one walk: out[i] for names[i], "" when missing.
    template <std::size_t N>
    void attributeViews(const std::string_view (&names)[N], std::string_view (&out)[N]) const {
        attributeViews(names, out, N);
    }
    // Adds or replaces an attribute; attributes keep the order they were first set in.
    // Throws ZlvError on a null node.
    void setAttribute(std::string_view name, std::string_view value);
    // Sets the texts of the node's first attributes, in order, to values. Throws ZlvError on
    // a null node, or on one with fewer attributes once those it has are set.
    void setAttributeValues(std::initializer_list<std::string_view> values);
    // Adds an attribute after the others without looking for one of the same name: for an
    // element being built whose attribute names differ. Throws ZlvError on a null node.
    void appendAttribute(const char* name, std::string_view value);
    // Replaces out with the node's attributes in document order.
    void attributes(std::vector<XmlAttributeView>& out) const;
    // True when the node has element children.
    bool hasChildElements() const;
    // The node's own XML text (no indentation, no declaration).
    std::string outerXml() const;
    // Appends the node's XML text to out.
    void appendOuterXml(std::string& out) const;
    // Appends the XML text of each child node to out, side by side, as appendOuterXml of
    // each child would.
    void appendChildrenXml(std::string& out) const;
    // The element children in document order.
    XmlNodeList childNodes() const;

  private:
    void attributeViews(const std::string_view* names, std::string_view* out,
                        std::size_t count) const;

    friend class XmlDocument;
    friend class XmlNodeList;
    explicit XmlNode(void* handle) : handle_(handle) {}
    void* handle_ = nullptr;
};

// Nodes in document order, with a cursor for nextNode.
class XmlNodeList {
  public:
    // The count as a signed 16-bit number. Throws ZlvError (overflow) beyond 32767.
    std::int16_t length() const;
    // The number of nodes without the 16-bit limit.
    std::size_t size() const { return nodes_.size(); }
    // The node at the cursor, advancing it; a null node past the end.
    XmlNode nextNode();
    // The node at a 0-based index; a null node when out of range.
    XmlNode item(std::size_t index) const;

  private:
    friend class XmlDocument;
    friend class XmlNode;
    std::vector<void*> nodes_;
    std::size_t cursor_ = 0;
};

class XmlDocument {
  public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Loads from text; false (and an empty document) when the text is not well-formed XML with
    // one root element. DOCTYPE declarations are skipped; the entities they declare are never
    // expanded or fetched (a reference to one stays as text). Throws ZlvError, leaving an empty
    // document, when the text is longer than kMaxXmlText: a limit, not a malformed text.
    bool loadXml(std::string_view text);
    // As loadXml, with the same result, but parses the text where it stands: the document
    // keeps the text and reads its names and values out of it, so that no second copy is made.
    bool loadXmlInPlace(std::string text);
    // Loads from a file; false (and an empty document) when it cannot be read or parsed.
    // Throws ZlvError as loadXml for a file longer than kMaxXmlText.
    bool load(const std::string& path);
    // The whole document as XML text without declaration or indentation.
    std::string xml() const;

    // Elements an XPath selects; an empty list when it matches nothing or is not valid.
    XmlNodeList selectNodes(const std::string& xpath) const;
    // Calls visit(node) for each element selectNodes would list, in its order, and gives
    // their number. A plain "/a/b" path is walked while visiting, so that each element is
    // reached once, with no list. The visit may remove the node it is given, nothing else.
    template <class Visit>
    std::size_t forEachSelected(const std::string& xpath, Visit&& visit) {
        return visitSelected(
            xpath,
            [](void* v, XmlNode node) { (*static_cast<std::remove_reference_t<Visit>*>(v))(node); },
            &visit);
    }
    // The first element with the name among the document's top-level elements, or null.
    XmlNode selectSingleNode(std::string_view name) const;
    // The first element with the name anywhere in the document, or null.
    XmlNode firstElementByName(std::string_view name) const;

    // Creates an element under a parent, or as the document's root when parent is null.
    // Throws ZlvError when a root already exists and no parent is given.
    XmlNode createElement(std::string_view name, const XmlNode& parent = XmlNode());
    // Takes a node and everything under it out of the document, freeing its memory; handles
    // to them become invalid. Does nothing for a null node or one without parent.
    void remove(const XmlNode& node);
    // Appends a copy of a node (of any document) under a parent of this document.
    // Throws ZlvError on null nodes.
    XmlNode appendCopy(const XmlNode& parent, const XmlNode& node);

  private:
    std::size_t visitSelected(const std::string& xpath, void (*visit)(void*, XmlNode),
                              void* context);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zelvane::xml
