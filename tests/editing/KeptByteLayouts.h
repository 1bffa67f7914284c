// Layouts that keep every byte of a D-family cable map, for the tests that
// edit a real one: the 320-byte records as program number, UTF-16 name and a
// byte sum, the rest hidden.
#pragma once

namespace tarno::test {

inline constexpr const char* kKeptBytesArchive = "channel_list_UE46D8000_1101.scm";
inline constexpr int kKeptBytesProgramCol = 1;
inline constexpr int kKeptBytesNameCol = 3;

inline constexpr const char* kCableDigitalLayout =
    "[map-CableD]\n"
    "ITEM = Program,   2, 2, #, $00,  1\n"
    "ITEM = Before,   62, 1, $, $00, -2\n"
    "ITEM = Name,    200, 2, /, $00,  3\n"
    "ITEM = After,    55, 1, $, $00, -4\n"
    "ITEM = Check,     1, 1, ^,    , -5\n";

}  // namespace tarno::test
