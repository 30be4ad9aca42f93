#include "exchange/ImportOutcome.h"

char const* ImportOutcome::KindName(Kind kind) {
  switch (kind) {
    case Kind::Made: return "made";
    case Kind::Skipped: return "skipped";
    case Kind::Refused: return "refused";
  }
  return "";
}
