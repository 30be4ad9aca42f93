// The four resource ids a property-tree dialog is made from: its template, its tree control,
// the invisible frame where pages are placed and the caption label above the page.
#pragma once

struct VPropertyTreeIds {
  unsigned int dialogTemplate = 0;
  int tree = 0;
  int placeholder = 0;
  int caption = 0;
};
