// Reads an OpenSSH client configuration as ssh reads it and makes an SSH2 session (with SFTP for
// file transfer) of every alias a "Host" line names on its own. Each session gets the values ssh
// would use for that alias: of every block that applies to it, in file order, the first value of
// each keyword wins. Taken over: HostName, Port, User, IdentityFile (the first),
// Compression,
// PreferredAuthentications and ProxyJump. Patterns are reported and skipped, and so are "Match"
// blocks; "Include" reads the files its patterns name (relative ones below home/.ssh) in place,
// at most 16 deep and 1,000 files in all. An alias holding '/' makes folders.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "exchange/ImportBatch.h"
#include "exchange/SshConfigLine.h"
#include "exchange/SshHostPattern.h"

class SshConfigReader {
 public:
  static constexpr int kMaxIncludeDepth = 16;
  // Files read through Include in one run: includes that fan out cannot make the work explode.
  static constexpr int kMaxIncludedFiles = 1000;

  // `home` stands for "~" and holds the .ssh folder that relative Include paths start from.
  explicit SshConfigReader(std::string home) : m_home(std::move(home)) {}

  ImportBatch Read(std::string const& path);

 private:
  struct Setting {
    std::string keyword;
    std::vector<std::string> arguments;
    std::string source;
  };
  // Lines that apply to an alias when every one of `conditions` (Host lines) matches it.
  struct Segment {
    std::vector<size_t> conditions;
    bool never = false;
    std::vector<Setting> settings;
  };
  struct Alias {
    std::string name;
    std::string source;
  };
  using Effective = std::map<std::string, Setting const*>;

  void ReadFile(std::string const& path, int depth, Segment const& context, ImportBatch& batch);
  void TakeLines(std::string const& path, std::vector<std::string> const& lines, int depth, Segment const& context,
                 ImportBatch& batch);
  void TakeLine(SshConfigLine& line, std::string const& source, int depth, Segment const& context,
                ImportBatch& batch);
  void TakeHost(SshConfigLine& line, std::string const& source, Segment const& context, ImportBatch& batch);
  void TakeInclude(SshConfigLine const& line, std::string const& source, int depth, ImportBatch& batch);
  void ReadIncluded(SshConfigLine const& line, std::string const& source, int depth, Segment const& here,
                    ImportBatch& batch);
  void StartSegment(std::vector<size_t> conditions, bool never);
  std::string IncludePath(std::string const& pattern) const;
  bool Applies(Segment const& segment, std::string const& alias) const;
  Effective EffectiveFor(std::string const& alias) const;
  void MakeSession(Alias const& alias, ImportBatch& batch) const;

  std::string m_home;
  int m_includedFiles = 0;
  std::vector<SshHostPattern> m_patterns;
  // Per condition pattern: true when it names hosts only (no wildcard, no negation).
  std::vector<bool> m_concrete;
  std::vector<Segment> m_segments;
  std::vector<Alias> m_aliases;
  std::map<std::string, size_t> m_aliasIndex;
  // Segments that only named aliases can match, by alias; every other segment is tried for all.
  std::map<std::string, std::vector<size_t>> m_segmentsOf;
  std::vector<size_t> m_generalSegments;
};
