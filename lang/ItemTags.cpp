#include "lang/ItemTags.h"

#include <algorithm>

int TranslatedItemCount(ItemList list, int tag, bool listFlag, int count) {
    if (tag == TagData || (list == ItemList::ComboBox && !listFlag)) {
        return 0;
    }
    if (tag == TagFirstItem && list != ItemList::GridHeadings) {
        return std::min(count, 1);
    }
    return count;
}
