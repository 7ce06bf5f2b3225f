#pragma once

#include "radio/MacType.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The model catalogue, in registration order. Entries live as long as the
// list, so the pointers it hands out stay valid for the whole run. Codes need
// not be unique: every look-up returns the first match.
class TMacList {
public:
    void Add(TMacType entry);
    int Count() const { return static_cast<int>(entries_.size()); }

    // nullptr when i is outside the list.
    const TMacType* Items(int i) const;
    const TMacType* FindByName(std::string_view name) const;
    const TMacType* FindByCode(std::string_view code) const;
    // The first entry, in catalogue order, that lists the band text.
    const TMacType* FindByBand(std::string_view text) const;

    void FillNames(std::vector<std::string>& names) const;

private:
    template <class Pred> const TMacType* FindFirst(Pred pred) const;

    std::vector<std::unique_ptr<TMacType>> entries_;
};
