// The file-name globs, descriptions and icon names of the shared-mime-info databases in a list
// of mime/ folders, the first folder winning where two disagree. Only "*.ext" globs name
// extensions; other patterns (README*, *.[ch]) are not file-name extensions and are skipped.
// Everything but the descriptions is read once, at construction; a missing or unreadable
// file reads as empty.
#pragma once

#include <map>
#include <string>
#include <vector>

class SharedMimeInfo {
 public:
  explicit SharedMimeInfo(std::vector<std::string> mimeFolders);

  // The MIME type of an extension (no dot), the highest-weighted glob winning; a glob marked
  // case-sensitive matches only its own spelling, others match in any case. Empty when unknown.
  std::string TypeOfExtension(std::string const& extension) const;
  // Every extension that has a type, each once, in the spelling of its glob.
  std::vector<std::string> Extensions() const;
  // The untranslated <comment> of the type's XML file; empty without one.
  std::string Comment(std::string const& mimeType) const;
  // The type's icon name: its "icons" entry, else its "generic-icons" entry, else the type with
  // "/" turned into "-" (the icon naming rule); empty for an empty type.
  std::string IconName(std::string const& mimeType) const;
  // Whether the type has an XML file of its own in some folder.
  bool IsKnownType(std::string const& mimeType) const;

 private:
  struct Glob {
    int weight = 50;
    std::string mimeType;
    bool caseSensitive = false;
  };

  void LoadGlobs(std::string const& folder);
  void AddGlob(std::string const& line, bool weighted);
  static void LoadIcons(std::string const& path, std::map<std::string, std::string>& icons);
  std::string TypeFile(std::string const& mimeType) const;

  std::vector<std::string> m_folders;
  // Keyed by the extension folded to lower case; the spelling lives beside the glob.
  std::multimap<std::string, std::pair<std::string, Glob>> m_globs;
  std::map<std::string, std::string> m_icons;
  std::map<std::string, std::string> m_genericIcons;
};
