// What an option is in its text form, the sense in which tools and dialog pages read and set it
// (VProfileData::ToText / FromText). VOptionText names each form and says what it accepts.
#pragma once

enum class VOptionForm {
  Flag,           // true or false
  Number,         // a signed 32-bit number
  Unsigned,       // an unsigned 32-bit number
  Text,           // any text without zero bytes
  EncodedText,    // a secret stored scrambled; never shown
  ProtectedText,  // a secret stored protected for the user; never shown
  Layout,         // a window's layout kept as comma-separated numbers
  Record,         // a fixed-size record of bytes
  Bytes,          // a block of bytes of any length
  TextList,       // a list of texts
  Lines,          // a multi-line text, one list element per line
  List,           // a list kept in a key of its own, edited by its own commands
  Nested,         // a record whose options lie beside its owner's
  Protocol,       // the protocol a connection side uses
};
