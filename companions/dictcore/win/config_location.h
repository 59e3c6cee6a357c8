// Where the library finds its files: the dictionaries lie beside the library itself; the
// user's choice of dictionaries is kept in the host's "lexiton.ini", found through the data
// directory the host records for its own program path, or beside the library when no host
// recorded one (a program that is not Lexiton loaded it).
#pragma once

#include <string>

namespace lexiton::dictcore {

// The folder of this library, ending in a backslash.
std::string libraryFolder();

// The settings file of the host program of this process.
std::string configPath();

}  // namespace lexiton::dictcore
