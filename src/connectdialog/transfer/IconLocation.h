// Where an icon is: a file (or icon-theme name) and the index of the icon in it, as a registered
// default-icon value gives them: `"file",index` or `file,index`, the index optional.
#pragma once

#include <string>
#include <string_view>

struct IconLocation {
  std::string file;
  int index = 0;

  // A value in double quotes is cut at the closing quote (false without one); the part after
  // the last "," is the index; %NAME% references in the file are expanded. The file may be empty.
  static bool Parse(std::string_view value, IconLocation& location);
};
