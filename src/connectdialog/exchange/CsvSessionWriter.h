// Writes sessions as comma-separated values (RFC 4180: CR LF line ends, fields with a comma,
// quote or line break quoted, quotes doubled), one header line, then one line per session.
#pragma once

#include <string>
#include <vector>

#include "exchange/ExportedSession.h"

class CsvSessionWriter {
 public:
  static constexpr char kHeader[] = "path,terminal protocol,transfer protocol,host,port,user,description";

  static std::string Write(std::vector<ExportedSession> const& sessions);
  static std::string Field(std::string const& value);
};
