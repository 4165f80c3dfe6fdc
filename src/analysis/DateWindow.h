#pragma once
#include "DateTime.h"

namespace vinta {

// The begin and end of the date window; either may be the null date. Both bounds are
// inclusive, so an empty end lets nothing through and an empty begin sets no lower bound.
struct TDateWindow {
    TDateTime begin = kNullDate;
    TDateTime end = kNullDate;

    bool Contains(TDateTime value) const { return begin <= value && value <= end; }

    // The whole calendar month before now: day 1 at 00:00 to the last day at 23:59:59.999.
    static TDateWindow PreviousMonth(const TCivilDateTime& now);
};

} // namespace vinta
