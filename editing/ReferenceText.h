// The plain text form of a reference list that channel editors exchange: one
// channel a line, "NUMBER;NAME;ONID-TSID-SID", any part of which may be empty;
// lines beginning with '#' are comments; UTF-8, LF or CRLF line ends.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"
#include "ReferenceList.h"

namespace tarno::editing {

// Text that is no reference list; the message names the line.
class ReferenceTextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The channels of the text, their fields found by the captions the target
// layout gives the roles. A name holding ';' is taken whole (the number ends
// at the first ';', the ids begin after the last). Throws ReferenceTextError
// for bytes that are not UTF-8 and a number that is no whole number.
Reference ParseReferenceText(std::string_view text, const std::vector<TDataItem>& targetItems = {});

// The grid's channels in number order (equal numbers in row order) under a
// comment line. Ids the layout has no field for stay empty.
std::string ReferenceTextOf(const TDataObject& data, const grid::CellStore& cells);

}  // namespace tarno::editing
