#pragma once
// Reading whole files with a bound, so that no input can hang the program or
// fill its memory.

#include <cstddef>
#include <string>

// Refuses what is not a regular file (a FIFO or device would wait or never end)
// and files longer than maxBytes. On failure *error says why.
bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string* bytes,
                     std::string* error);
// Reads an open descriptor to its end, refusing more than maxBytes.
bool ReadToEnd(int descriptor, std::size_t maxBytes, std::string* bytes, std::string* error);
// The reason the two give for a file longer than maxBytes.
std::string TooLargeReason(std::size_t maxBytes);
// "5,000,000"
std::string GroupedCount(std::size_t count);
