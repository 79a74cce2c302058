// Reading a whole file without trusting it: a missing path, a folder, a file without read
// permission or a read error each give a message for the player, never an exception.
#pragma once

#include <optional>
#include <string>

namespace korvane {

// The bytes of the file at path, at most maxBytes of them (the rest is not read). On a fault
// returns nullopt and puts a Japanese message naming the path into *error.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error,
                                         size_t maxBytes = static_cast<size_t>(64) << 20);

}  // namespace korvane
