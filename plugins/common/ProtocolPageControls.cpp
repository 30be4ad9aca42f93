#include "ProtocolPageControls.h"

#include <string>

#include "VPageControls.h"

namespace {

using VPageControls::Check, VPageControls::Edit, VPageControls::File, VPageControls::List, VPageControls::Number;
using Choices = VPageControls::Choices;

VPageControl Host(int id) { return Edit(id, "&Hostname:", "Hostname"); }
VPageControl Port(int id, std::string const& protocol) {
  return Number(id, "&Port:", protocol + " Port", 1, 65535);
}
VPageControl User(int id) { return Edit(id, "&Username:", "Username"); }

// The same text for the shown choice and the stored value.
Choices Plain(std::vector<std::string> const& values) {
  Choices choices;
  for (std::string const& value : values) choices.emplace_back(value, value);
  return choices;
}

}  // namespace

std::vector<VPageControl> ProtocolPageControls::SSH2() {
  return {Host(2101), Port(2102, "SSH2"), User(2103),
          List(2104, "&Authentication order:", "SSH2 Authentication Order",
               Plain({"publickey,keyboard-interactive,password", "publickey,password,keyboard-interactive",
                      "keyboard-interactive,password,publickey", "password,keyboard-interactive,publickey",
                      "publickey", "keyboard-interactive", "password",
                      "gssapi,publickey,keyboard-interactive,password"})),
          File(2105, "&Identity file:", "SSH2 Identity Filename", 2107, "Identity File"),
          Check(2106, "Use &compression", "SSH2 Compression")};
}

std::vector<VPageControl> ProtocolPageControls::SSH1() {
  return {Host(2111), Port(2112, "SSH1"), User(2113), File(2114, "&Identity file:", "SSH1 Identity Filename", 2116, "Identity File"),
          List(2115, "&Cipher:", "SSH1 Cipher", Plain({"3DES", "Blowfish", "DES"}))};
}

std::vector<VPageControl> ProtocolPageControls::Telnet() { return {Host(2121), Port(2122, "Telnet")}; }

std::vector<VPageControl> ProtocolPageControls::RLogin() { return {Host(2131), Port(2132, "RLogin"), User(2133)}; }

std::vector<VPageControl> ProtocolPageControls::Serial() {
  return {Edit(2141, "&Port:", "Serial Port"),
          List(2142, "&Baud rate:", "Serial Baud Rate",
               Plain({"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200",
                      "230400", "460800", "921600"})),
          List(2143, "&Data bits:", "Serial Data Bits", Plain({"5", "6", "7", "8"})),
          List(2144, "P&arity:", "Serial Parity", {{"None", "0"}, {"Odd", "1"}, {"Even", "2"}, {"Mark", "3"}, {"Space", "4"}}),
          List(2145, "&Stop bits:", "Serial Stop Bits", {{"1", "0"}, {"1.5", "1"}, {"2", "2"}}),
          List(2146, "&Flow control:", "Serial Flow Control",
               {{"None", "0"}, {"XON/XOFF", "1"}, {"RTS/CTS", "2"}, {"DSR/DTR", "3"}})};
}

std::vector<VPageControl> ProtocolPageControls::TAPI() {
  return {Edit(2151, "&Phone number:", "TAPI Phone Number"), Edit(2152, "&Modem:", "TAPI Modem")};
}

std::vector<VPageControl> ProtocolPageControls::SFTP() {
  return {Host(2161), Port(2162, "SFTP"), User(2163), Edit(2164, "&Initial directory:", "SFTP Initial Directory")};
}

std::vector<VPageControl> ProtocolPageControls::FTP() {
  return {Host(2171), Port(2172, "FTP"), User(2173),
          Check(2174, "&Passive mode", "FTP Passive Mode"),
          Check(2175, "&Anonymous login", "FTP Anonymous Login"),
          Edit(2176, "A&ccount:", "FTP Account"),
          Edit(2177, "&Initial directory:", "FTP Initial Directory")};
}
