#pragma once
#include "DateTime.h"

#include <ctime>
#include <optional>

namespace vinta {

// The local clock. Commands take it as a parameter so that tests can fix the time.
class TClock {
public:
    virtual ~TClock() = default;
    virtual TCivilDateTime Now() const = 0;
};

class TSystemClock : public TClock {
public:
    TCivilDateTime Now() const override;
};

class TFixedClock : public TClock {
public:
    explicit TFixedClock(TCivilDateTime now) : now_(now) {}
    TCivilDateTime Now() const override { return now_; }

private:
    TCivilDateTime now_;
};

// A moment of the file system's clock as local civil time; nullopt where the system cannot
// convert it.
std::optional<TCivilDateTime> LocalCivilTime(std::time_t seconds, int milliseconds);

} // namespace vinta
