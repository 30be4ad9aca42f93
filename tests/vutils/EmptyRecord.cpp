#include "EmptyRecord.h"

VProfileTable<EmptyRecord> const EmptyRecord::_profileOffsets{};
