// What applying a change to every session did: how many sessions took the change and how many
// the walk met. The difference is the sessions that could not be written.
#pragma once

struct GlobalChangeTally {
  int updated = 0;
  int visited = 0;

  GlobalChangeTally& operator+=(GlobalChangeTally const& other) {
    updated += other.updated;
    visited += other.visited;
    return *this;
  }
};
