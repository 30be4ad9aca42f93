// Named window messages: every process of one user that registers the same name gets the same
// identifier, from 0xC000 up to 0xFFFF. Names compare without regard to case.
//
// The names live in the per-user hive, key "SOFTWARE\Brimvale\Registered Messages", one number
// value per name. The first process to register a name takes the next free identifier inside
// one write unit of work, so two processes racing for new names never get the same one.
// Identifiers are never given back.
#pragma once

// The identifier of `name`; 0 for a null or empty name, when the range is used up, or when
// the per-user hive cannot be written.
unsigned int RegisterWindowMessage(char const* name);
