#pragma once

#include <stdexcept>
#include <string>

// Bad command line; main() reports it and exits with status 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string &what) : std::runtime_error(what) {}
};
