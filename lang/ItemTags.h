#pragma once

// A control's integer tag says which of its items a language file may replace.
// Only lists (combo boxes, list boxes) and grids carry one.

// The items are data, not words (tone values, ports, models): never translated.
inline constexpr int TagData = -2;
// A word followed by values ("None", "67.0", ...): only item 0 is translated.
inline constexpr int TagFirstItem = -3;

enum class ItemList { ComboBox, ListBox, GridHeadings };

// How many leading items of a list, or headings of a grid, are looked up in the
// language file. Combo boxes are translated only when the form asks for its
// lists (`listFlag`); list boxes and grid headings always are.
int TranslatedItemCount(ItemList list, int tag, bool listFlag, int count);
