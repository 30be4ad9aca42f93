// The two text formats of registry export files.
#pragma once

enum class RegFileFormat {
  Regedit4,  // "REGEDIT4": bytes as they are stored
  Version5,  // "Windows Registry Editor Version 5.00": UTF-16LE text; string kinds in hex as UTF-16LE
};
