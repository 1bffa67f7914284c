// A database value in a record's field and back. Integers are little-endian,
// cut to the field's size on reading; a field shown as signed numbers (and a
// favourites position) is widened with its sign on writing, any other without.
// A text field holds the stored bytes of a text value, zeros behind them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "DataItem.h"
#include "DatabaseLayout.h"

namespace tarno {

void StoreInteger(const TDataItem& item, const ColumnSource& source, int64_t value, TDataByteArray& record);
int64_t IntegerOf(const TDataItem& item, const ColumnSource& source, const TDataByteArray& record);

// False, the record left alone, when the bytes do not fit the field.
bool StoreTextBytes(const TDataItem& item, std::string_view bytes, TDataByteArray& record);
// The text a field holds: its units up to the first zero unit.
std::string TextBytesOf(const TDataItem& item, const TDataByteArray& record);
// A typed text in the shape of the value it replaces: a value the set closed
// with a zero unit (analog names: "ARD  " and a zero) keeps its length, the
// text padded with blanks before the zero unit, where the text has room;
// otherwise the text as it is.
std::string InShapeOf(std::string text, std::string_view stored);

// The bytes a field holds from its first, as a string.
std::string_view FieldBytes(const TDataItem& item, const TDataByteArray& record);

}  // namespace tarno
