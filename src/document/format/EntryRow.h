#pragma once

#include "document/format/EntryColumn.h"

#include <QString>

#include <array>

// One entry: its five cells, indexed by EntryColumn.
using EntryRow = std::array<QString, kEntryColumnCount>;
