// The nearest of a few hundred colours in OKLab, found without measuring them all.
#pragma once

#include <vector>

#include "pixels/oklab.h"

namespace mipro {

class NearestLab {
public:
    explicit NearestLab(std::vector<Lab> entries);

    // The index of the entry nearest to `lab`, entry `skip` left out (-1: none); of entries equally
    // near, the lowest index, so the answer never depends on the order of the search. -1 only when
    // no entry is left.
    int nearest(const Lab& lab, int skip = -1) const;

    const Lab& entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<Lab> entries_;
    // The entries in ascending lightness (then index), and their lightness: the search starts at
    // the query's lightness and stops on each side where the difference in lightness alone
    // exceeds the nearest distance found.
    std::vector<int> byLightness_;
    std::vector<double> lightness_;
};

}  // namespace mipro
