// Recognises a numeric network address (an IPv4 dotted address or an IPv6 address) without ever
// asking a name service: the text is converted by the resolver in numeric-host mode only.
#pragma once

class NumericAddress {
 public:
  // True when `text` is a numeric address. An IPv4 address must also be written in the dotted
  // form (a digit first and three dots, each followed by a digit), so that the resolver's short
  // forms such as "1" or "10.1" count as names. Null and "" are no address.
  static bool IsNumericHost(char const* text);

 private:
  static bool HasDottedShape(char const* text);
};
