// Where the fields of a channel database's records come from. A settings
// section with "DATABASE = SRV" reads an SQLite channel database: one record
// per row of SRV, each field taken from the column its ITEM line's eighth part
// names:
//
//   SRV.major            a column of the services table
//   CHNL.freq            a column of a table joined to it: CHNL by SRV.chId,
//                        PROV by SRV_DVB.provId, any other table by srvId
//   SRV.hidden+hideGuide read from the first column, written to every one
//   !SRV.numSel          a flag stored inverted: 1 where the column holds 0
//   SRV_FAV.3            the position in favourites list 3 (1, 2 ...; -1 when
//                        the service is not in it), kept as SRV_FAV rows
//
// A field of type "/" holds a text column's bytes as they are stored; any
// other field an integer, little-endian, cut to the field's size. The field
// whose source is the services table's srvId is the key that maps records
// back to rows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DataItem.h"

namespace tarno {

// Names of the channel database schema that joins and favourites rely on.
namespace schema {
inline constexpr const char* kServiceKey = "srvId";
inline constexpr const char* kChannelTable = "CHNL";
inline constexpr const char* kChannelKey = "chId";
inline constexpr const char* kProviderTable = "PROV";
inline constexpr const char* kProviderKey = "provId";
inline constexpr const char* kProviderLinkTable = "SRV_DVB";
inline constexpr const char* kFavouritesTable = "SRV_FAV";
inline constexpr const char* kFavouriteList = "fav";
inline constexpr const char* kFavouritePosition = "pos";
}  // namespace schema

inline constexpr int kDatabaseFavouriteLists = 5;
inline constexpr int32_t kKeyFieldSize = 8;

struct ColumnSource {
  std::string table;
  std::vector<std::string> columns;  // read from the first present, written to every present one
  bool inverted = false;
  int favouriteList = 0;  // 1 .. 5 for an SRV_FAV field, else 0
};

struct DatabaseField {
  size_t item = 0;  // index into the layout's items
  ColumnSource source;
};

struct DatabaseLayout {
  std::string mainTable;
  std::vector<DatabaseField> fields;  // the items with a source, in layout order
  size_t keyItem = 0;                 // the item holding srvId
};

// The source part of an ITEM line; nullopt when malformed.
std::optional<ColumnSource> ParseColumnSource(std::string_view text);

// The description of a database section, or nullopt when it is unsound: a
// malformed source, no srvId field of 8 bytes, a text field whose elements are
// not 2 bytes, an integer field wider than 8 bytes, a favourites field that is
// a text or of a list other than 1 .. 5.
std::optional<DatabaseLayout> DescribeDatabase(const std::string& mainTable, const std::vector<TDataItem>& items);

// Whether a field is a text field, holding a column's stored bytes.
inline bool IsTextField(const TDataItem& item) { return item.TypeChar == '/'; }

// Whether an integer field is shown, and so typed, as a signed number.
bool IsSignedField(const TDataItem& item);

}  // namespace tarno
