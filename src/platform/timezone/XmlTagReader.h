// A small forward reader over XML text for flat data files: it yields comments and start tags
// with their attributes (entities decoded) and steps over everything else. It does not check
// nesting, which the data files it reads do not rely on.
#pragma once

#include <map>
#include <string>
#include <string_view>

class XmlTagReader {
 public:
  enum class Item { Comment, Tag, End, Malformed };

  explicit XmlTagReader(std::string_view text) : m_text(text) {}

  // Moves to the next comment or start tag; End after the last, Malformed on an unterminated
  // construct or a broken attribute (the reader then stays there).
  Item Next();
  // The trimmed text of the current comment.
  std::string const& Comment() const { return m_comment; }
  std::string const& TagName() const { return m_tagName; }
  // The current tag's attribute, empty when it has none of that name.
  std::string Attribute(std::string const& name) const;

 private:
  Item ReadComment();
  Item ReadTag();
  bool ReadAttributes(std::string_view inside);
  static bool Decode(std::string_view raw, std::string& decoded);

  std::string_view m_text;
  size_t m_position = 0;
  std::string m_comment;
  std::string m_tagName;
  std::map<std::string, std::string> m_attributes;
};
