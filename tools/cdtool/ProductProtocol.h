// The protocol table's own spelling of a protocol that a user names for one connection side
// of the running product: "ssh2" is "SSH2" when the product's table holds an SSH2 row.
#pragma once

#include <string>

class ProductProtocol {
 public:
  // Empty when `name` is no protocol of the side, or the table has no row of it (its plug-in
  // is missing, or SSH1 is not enabled).
  static std::string TableName(bool terminal, std::string const& name);
};
