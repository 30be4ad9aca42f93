#include "exchange/SshConfigReader.h"

#include <algorithm>

#include "exchange/PortText.h"
#include "exchange/SourceFile.h"
#include "platform/files/PathGlob.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool IsTaken(std::string const& keyword) {
  static char const* const kTaken[] = {"hostname",    "port",  "user", "identityfile", "compression",
                                       "preferredauthentications", "proxyjump"};
  return std::ranges::any_of(kTaken, [&](char const* taken) { return keyword == taken; });
}

// Why ssh would not take the value of a keyword this reader takes; empty when it would.
std::string ValueProblem(std::string const& keyword, std::vector<std::string> const& arguments) {
  if (arguments.empty()) return "has no value";
  if (arguments.size() > 1) return "has more than one value";
  std::string const& value = arguments[0];
  int port = 0;
  if (keyword == "port" && !ParsePortText(value, port)) return "\"" + value + "\" is not a port (1 to 65535)";
  if (keyword == "compression" && Lower(value) != "yes" && Lower(value) != "no")
    return "\"" + value + "\" is neither yes nor no";
  return {};
}

// %h stands for the alias and %% for a percent sign, as ssh expands a HostName.
std::string ExpandHostName(std::string const& value, std::string const& alias) {
  std::string expanded;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '%' && i + 1 < value.size() && (value[i + 1] == 'h' || value[i + 1] == '%')) {
      expanded += value[++i] == 'h' ? alias : "%";
    } else {
      expanded += value[i];
    }
  }
  return expanded;
}

// The methods the session's authentication order knows, in the given order; ssh's
// "gssapi-with-mic" is our "gssapi". Others are named in `dropped`.
std::string AuthenticationOrder(std::string const& list, std::string& dropped) {
  std::string order;
  size_t start = 0;
  while (start <= list.size()) {
    size_t const comma = std::min(list.find(',', start), list.size());
    std::string method = Lower(list.substr(start, comma - start));
    if (method == "gssapi-with-mic") method = "gssapi";
    bool const known =
        method == "publickey" || method == "keyboard-interactive" || method == "password" || method == "gssapi";
    bool const repeated = ("," + order + ",").find("," + method + ",") != std::string::npos;
    if (known && !repeated) {
      order += (order.empty() ? "" : ",") + method;
    } else if (!method.empty() && !known) {
      dropped += (dropped.empty() ? "" : ", ") + method;
    }
    start = comma + 1;
  }
  return order;
}

}  // namespace

ImportBatch SshConfigReader::Read(std::string const& path) {
  *this = SshConfigReader(m_home);
  ImportBatch batch;
  std::vector<std::string> lines;
  if (!SourceFile::ReadLines(path, lines, batch.error)) return batch;
  TakeLines(path, lines, 0, Segment{}, batch);
  for (size_t i = 0; i < m_segments.size(); ++i) {
    Segment const& segment = m_segments[i];
    if (segment.never || segment.settings.empty()) continue;
    if (!segment.conditions.empty() && m_patterns[segment.conditions.back()].NamesHostsOnly()) {
      for (std::string const& host : m_patterns[segment.conditions.back()].Patterns()) m_segmentsOf[host].push_back(i);
    } else {
      m_generalSegments.push_back(i);
    }
  }
  for (Alias const& alias : m_aliases) MakeSession(alias, batch);
  return batch;
}

void SshConfigReader::ReadFile(std::string const& path, int depth, Segment const& context, ImportBatch& batch) {
  std::vector<std::string> lines;
  std::string error;
  if (!SourceFile::ReadLines(path, lines, error)) {
    batch.Refuse("Include", path, error);
    return;
  }
  TakeLines(path, lines, depth, context, batch);
}

void SshConfigReader::TakeLines(std::string const& path, std::vector<std::string> const& lines, int depth,
                                Segment const& context, ImportBatch& batch) {
  StartSegment(context.conditions, context.never);
  std::string error;
  for (size_t number = 0; number < lines.size(); ++number) {
    std::string const source = path + ":" + std::to_string(number + 1);
    SshConfigLine line;
    if (!SshConfigLine::Split(lines[number], line, error)) {
      batch.Refuse("line", source, error);
      continue;
    }
    if (!line.keyword.empty()) TakeLine(line, source, depth, context, batch);
  }
}

void SshConfigReader::TakeLine(SshConfigLine& line, std::string const& source, int depth, Segment const& context,
                               ImportBatch& batch) {
  std::string const keyword = Lower(line.keyword);
  if (keyword == "host") return TakeHost(line, source, context, batch);
  if (keyword == "match") {
    batch.Skip("Match", source, "Match blocks are not imported");
    return StartSegment(context.conditions, true);
  }
  if (m_segments.back().never) return;
  if (keyword == "include") return TakeInclude(line, source, depth, batch);
  if (!IsTaken(keyword)) return;
  if (std::string const problem = ValueProblem(keyword, line.arguments); !problem.empty())
    return batch.Refuse(line.keyword, source, line.keyword + " " + problem);
  m_segments.back().settings.push_back({keyword, std::move(line.arguments), source});
}

void SshConfigReader::TakeHost(SshConfigLine& line, std::string const& source, Segment const& context,
                               ImportBatch& batch) {
  if (line.arguments.empty()) {
    batch.Refuse(line.keyword, source, "Host names no host");
    return StartSegment(context.conditions, true);
  }
  for (std::string const& pattern : line.arguments) {
    if (!SshHostPattern::IsConcrete(pattern)) {
      batch.Skip(pattern, source, "a pattern, not one host");
    } else if (m_aliasIndex.emplace(pattern, m_aliases.size()).second) {
      m_aliases.push_back({pattern, source});
    }
  }
  m_patterns.emplace_back(std::move(line.arguments));
  std::vector<size_t> conditions = context.conditions;
  conditions.push_back(m_patterns.size() - 1);
  StartSegment(std::move(conditions), context.never);
}

void SshConfigReader::TakeInclude(SshConfigLine const& line, std::string const& source, int depth,
                                  ImportBatch& batch) {
  if (line.arguments.empty()) return batch.Refuse(line.keyword, source, "Include names no file");
  if (depth + 1 > kMaxIncludeDepth)
    return batch.Refuse(line.keyword, source,
                        "Include nested more than " + std::to_string(kMaxIncludeDepth) + " deep (a file including itself?)");
  Segment const here = m_segments.back();
  ReadIncluded(line, source, depth, here, batch);
  // The lines after the Include continue the block it stands in.
  StartSegment(here.conditions, here.never);
}

void SshConfigReader::ReadIncluded(SshConfigLine const& line, std::string const& source, int depth,
                                   Segment const& here, ImportBatch& batch) {
  for (std::string const& pattern : line.arguments) {
    for (std::string const& path : ExpandPathGlob(IncludePath(pattern))) {
      if (++m_includedFiles > kMaxIncludedFiles)
        return batch.Refuse(line.keyword, source,
                            "more than " + std::to_string(kMaxIncludedFiles) + " files included; the rest are not read");
      ReadFile(path, depth + 1, here, batch);
    }
  }
}

void SshConfigReader::StartSegment(std::vector<size_t> conditions, bool never) {
  m_segments.push_back({std::move(conditions), never, {}});
}

std::string SshConfigReader::IncludePath(std::string const& pattern) const {
  if (pattern == "~" || pattern.starts_with("~/")) return m_home + pattern.substr(1);
  if (pattern.starts_with("/")) return pattern;
  return m_home + "/.ssh/" + pattern;
}

bool SshConfigReader::Applies(Segment const& segment, std::string const& alias) const {
  return std::ranges::all_of(segment.conditions, [&](size_t index) { return m_patterns[index].Matches(alias); });
}

SshConfigReader::Effective SshConfigReader::EffectiveFor(std::string const& alias) const {
  static std::vector<size_t> const kNone;
  auto const own = m_segmentsOf.find(alias);
  std::vector<size_t> const& named = own == m_segmentsOf.end() ? kNone : own->second;
  std::vector<size_t> order;
  std::ranges::merge(m_generalSegments, named, std::back_inserter(order));
  Effective effective;
  for (size_t index : order) {
    if (!Applies(m_segments[index], alias)) continue;
    for (Setting const& setting : m_segments[index].settings) effective.emplace(setting.keyword, &setting);
  }
  return effective;
}

void SshConfigReader::MakeSession(Alias const& alias, ImportBatch& batch) const {
  ImportedSession session;
  session.path = ImportedSession::SplitPath(alias.name);
  if (std::ranges::any_of(session.path, [](std::string const& part) { return part.empty(); }))
    return batch.Refuse(alias.name, alias.source, "an empty folder or session name between slashes");
  session.source = alias.source;
  session.terminalProtocol = "SSH2";
  session.transferProtocol = "SFTP";
  Effective const effective = EffectiveFor(alias.name);
  auto value = [&](char const* keyword) -> std::string const* {
    auto const found = effective.find(keyword);
    return found == effective.end() ? nullptr : &found->second->arguments[0];
  };
  session.host = value("hostname") ? ExpandHostName(*value("hostname"), alias.name) : alias.name;
  if (auto const* port = value("port")) {
    session.options.push_back({"SSH2", "SSH2 Port", *port});
    session.options.push_back({"SFTP", "SFTP Port", *port});
  }
  if (auto const* user = value("user")) session.user = *user;
  if (auto const* identity = value("identityfile")) session.options.push_back({"SSH2", "SSH2 Identity Filename", *identity});
  if (auto const* compression = value("compression"))
    session.options.push_back({"SSH2", "SSH2 Compression", Lower(*compression) == "yes" ? "true" : "false"});
  if (auto const* methods = value("preferredauthentications")) {
    std::string dropped;
    std::string const order = AuthenticationOrder(*methods, dropped);
    if (!order.empty()) session.options.push_back({"SSH2", "SSH2 Authentication Order", order});
    if (!dropped.empty()) session.note = "authentication methods left out: " + dropped;
  }
  if (auto const* jump = value("proxyjump"); jump && Lower(*jump) != "none") session.jump = *jump;
  batch.sessions.push_back(std::move(session));
}
