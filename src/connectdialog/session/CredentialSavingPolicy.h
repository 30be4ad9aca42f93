// The machine-wide policy on keeping credentials: the numbers "Save Usernames" and "Save
// Passwords" under SOFTWARE\Brimvale\Global in the machine hive (missing counts as allowed).
// Each is read once per process and kept; passwords are never kept when user names are not.
// User-interface thread only.
#pragma once

class CredentialSavingPolicy {
 public:
  static bool SaveUsernames();
  static bool SavePasswords();
  // Forgets the kept values so that the next question reads the machine hive again.
  static void Reset();
};
