#pragma once
// The one error the player raises for a movie it cannot read: the message names what was wrong.

#include <stdexcept>
#include <string>

namespace player {

class MovieError : public std::runtime_error {
public:
    explicit MovieError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace player
