#pragma once

// The five fields of an entry, in the order they are stored in a document.
enum class EntryColumn : int { Title = 0, URL = 1, User = 2, Password = 3, Notes = 4 };

constexpr int kEntryColumnCount = 5;
