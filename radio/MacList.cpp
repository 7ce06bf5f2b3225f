#include "radio/MacList.h"

#include <algorithm>

void TMacList::Add(TMacType entry) {
    entries_.push_back(std::make_unique<TMacType>(std::move(entry)));
}

const TMacType* TMacList::Items(int i) const {
    if (i < 0 || i >= Count()) {
        return nullptr;
    }
    return entries_[static_cast<std::size_t>(i)].get();
}

template <class Pred> const TMacType* TMacList::FindFirst(Pred pred) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const auto& entry) { return pred(*entry); });
    return found == entries_.end() ? nullptr : found->get();
}

const TMacType* TMacList::FindByName(std::string_view name) const {
    return FindFirst([&](const TMacType& entry) { return entry.Name == name; });
}

const TMacType* TMacList::FindByCode(std::string_view code) const {
    return FindFirst([&](const TMacType& entry) { return entry.Code == code; });
}

const TMacType* TMacList::FindByBand(std::string_view text) const {
    return FindFirst([&](const TMacType& entry) {
        return std::find(entry.Bands.begin(), entry.Bands.end(), text) != entry.Bands.end();
    });
}

void TMacList::FillNames(std::vector<std::string>& names) const {
    names.clear();
    for (const auto& entry : entries_) {
        names.push_back(entry->Name);
    }
}
