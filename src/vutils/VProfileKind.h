// What a record's option is stored as: one of the store's four value kinds, a nested record
// whose own options go into the same key, or a list kept in a key of its own (Key).
#pragma once

enum class VProfileKind { Number, Text, Binary, TextList, Record, Key };
