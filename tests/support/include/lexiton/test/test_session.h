// The session the client tests talk with: the name a translation server hands out and the key
// both ends pack the query records with ("SessionID" is the two joined).
#pragma once

#include <string>

namespace lexiton::test {

inline const std::string kSessionName(40, 'N');
inline const std::string kSessionKey = "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F";

}  // namespace lexiton::test
