// A port number as the tools people import from write it: 1 to 65535 in decimal digits only.
#pragma once

#include <string>

// False, leaving `port` alone, for anything else.
bool ParsePortText(std::string const& text, int& port);
