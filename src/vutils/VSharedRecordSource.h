// A record that keeps some of its options in another record it shares with others (a protocol
// record's host, user and firewall names, held by the session's common settings) says which,
// so that the option list shows those options with its own. A separate interface, found by a
// run-time cast, so that records built without it keep their layout.
#pragma once

class VProfileRecord;

class VSharedRecordSource {
 public:
  // The shared record; null for none.
  virtual VProfileRecord* SharedRecord() const = 0;

 protected:
  ~VSharedRecordSource() = default;
};
