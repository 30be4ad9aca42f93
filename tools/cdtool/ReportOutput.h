// How cdtool shows a report (VReportMessageParams): its code as 0xXXXXXXXX, and a refusal as
// the report's one-line text on stderr, given with --json first as {"ok":false,"code","text"}
// on stdout with the same text.
#pragma once

#include <string>

class VReportMessageParams;

class ReportOutput {
 public:
  static std::string Code(unsigned long code);
  // Prints the refusal; 1.
  static int Refuse(VReportMessageParams& report, bool json);
};
