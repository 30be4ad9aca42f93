// What a record's option is stored as: one of the store's four value kinds, or a nested record
// whose own options go into the same key.
#pragma once

enum class VProfileKind { Number, Text, Binary, TextList, Record };
