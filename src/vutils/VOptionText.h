// The one text form of option values: the parsers every option takes text through, the
// formatters that write it, and the refusal text naming the option and the form it accepts.
//
//   flag      true, false; reads also 1/0, yes/no, on/off in any letter case; writes true/false
//   number    decimal -2147483648 to 2147483647, or 0x0 to 0xffffffff giving the 32 bits (so
//             0xffffffff is -1); writes decimal
//   unsigned  decimal 0 to 4294967295, or 0x0 to 0xffffffff; writes decimal
//   numbers take nothing else: no sign on hex, no "+", no blanks, no empty text
//   record, bytes  two hex digits per byte, either case, nothing between; writes lowercase
//   secrets   written as "" when empty, else as kMask whatever they hold
// Lists are VTextList's form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "VOptionForm.h"
#include "VString.h"

class VOptionText {
 public:
  // What a secret that holds anything shows. Taking exactly this text keeps the secret as it
  // is, so that a shown value fed back never replaces a password by the mask.
  static constexpr char kMask[] = "********";
  // The longest text an encoded secret keeps (its stored form is at most 2046 characters).
  static constexpr size_t kMaxEncodedLength = 1019;

  // The form's name as tools print it: "flag", "number", "unsigned", "text", "encoded text" ...
  static char const* FormName(VOptionForm form);
  // What the form accepts, as the end of a sentence ("a flag: true or false ..."). A record's
  // size is not known here: see RecordAccepted.
  static VString Accepted(VOptionForm form);
  static VString RecordAccepted(size_t size);
  // "\"NAME\" is ACCEPTED, not \"TEXT\""; a secret's text is never repeated.
  static VString Refusal(VString const& name, VString const& accepted, VString const& text, bool repeatText = true);
  static VString Refusal(VString const& name, VOptionForm form, VString const& text);

  // False, with `bits` untouched, for anything outside the forms above.
  static bool ParseNumber(std::string_view text, bool isSigned, uint32_t& bits);
  static bool ParseFlag(std::string_view text, bool& flag);
  static VString FlagText(bool flag) { return flag ? "true" : "false"; }
  // False, with `bytes` untouched, for an odd count or a character that is not a hex digit.
  static bool ParseHex(std::string_view text, std::vector<unsigned char>& bytes);
  static VString Hex(void const* data, size_t length);

  static VString SecretText(VString const& secret) { return secret.IsEmpty() ? VString() : VString(kMask); }
  static bool IsMask(VString const& text) { return text == kMask; }
  static bool HasZeroByte(VString const& text) { return text.View().find('\0') != std::string_view::npos; }
};
