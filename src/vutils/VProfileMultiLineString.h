// A multi-line text kept as a text list, one element per line.
#pragma once

#include "VProfile2.h"

class VProfileMultiLineString : public VProfile2<VStringArray, VProfileMultiSz> {
 public:
  VProfileMultiLineString() = default;
  VProfileMultiLineString(VProfileMultiLineString const&) = default;
  VProfileMultiLineString& operator=(VProfileMultiLineString const&) = default;
  VProfileMultiLineString& operator=(VStringArray const& value) {
    VProfile2::operator=(value);
    return *this;
  }

  // Sets the name; the default is the empty list.
  bool Load(VProfileKey* key, char const* name);

  // A text list in form; only the name tells that its elements are lines.
  VOptionForm Form() const override { return VOptionForm::Lines; }

  // The lines of `text`, split at every line feed, each without a trailing carriage return.
  // The empty text is the empty list; a text ending in a line feed ends with an empty line, so
  // that GetText(false) gives back any text without carriage returns exactly.
  void SetText(VString const& text);
  // The lines joined by CR LF (crlf) or LF, nothing after the last line.
  VString GetText(bool crlf) const;
};
