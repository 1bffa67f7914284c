#include "DatabaseQuery.h"

#include <algorithm>

#include "AsciiText.h"
#include "Errors.h"
#include "LayoutReader.h"

namespace tarno {
namespace {

bool Is(std::string_view a, std::string_view b) { return text::EqualIgnoringAsciiCase(a, b); }

class Requirements {
 public:
  Requirements(const DatabaseSchema& schema, const std::string& name) : schema_(schema), name_(name) {}
  void Table(const std::string& table) const {
    if (!schema_.HasTable(table)) throw DatabaseError(name_ + ": no table " + table);
  }
  void Column(const std::string& table, const std::string& column) const {
    Table(table);
    if (!schema_.HasColumn(table, column)) throw DatabaseError(name_ + ": no column " + table + "." + column);
  }

 private:
  const DatabaseSchema& schema_;
  const std::string& name_;
};

std::string Qualified(const std::string& table, const std::string& column) {
  return QuoteIdentifier(table) + "." + QuoteIdentifier(column);
}

// The tables joined to the main table, each once, and how.
struct Joins {
  bool channel = false;
  bool provider = false;
  std::vector<std::string> byService;  // joined by srvId

  void AddByService(const std::string& table) {
    if (std::ranges::none_of(byService, [&table](const std::string& t) { return Is(t, table); }))
      byService.push_back(table);
  }
};

Joins JoinsOf(const DatabaseLayout& layout, const Requirements& require) {
  Joins joins;
  for (const DatabaseField& field : layout.fields) {
    const std::string& table = field.source.table;
    if (field.source.favouriteList != 0) {
      require.Column(schema::kFavouritesTable, schema::kServiceKey);
      require.Column(schema::kFavouritesTable, schema::kFavouriteList);
      require.Column(schema::kFavouritesTable, schema::kFavouritePosition);
    } else if (Is(table, layout.mainTable)) {
      require.Table(table);
    } else if (Is(table, schema::kChannelTable)) {
      joins.channel = true;
    } else if (Is(table, schema::kProviderTable)) {
      joins.provider = true;
    } else {
      require.Column(table, schema::kServiceKey);
      joins.AddByService(table);
    }
  }
  if (joins.channel) {
    require.Column(layout.mainTable, schema::kChannelKey);
    require.Column(schema::kChannelTable, schema::kChannelKey);
  }
  if (joins.provider) {
    require.Column(schema::kProviderLinkTable, schema::kServiceKey);
    require.Column(schema::kProviderLinkTable, schema::kProviderKey);
    require.Column(schema::kProviderTable, schema::kProviderKey);
    joins.AddByService(schema::kProviderLinkTable);
  }
  return joins;
}

std::string FromClause(const std::string& main, const Joins& joins) {
  std::string from = " FROM " + QuoteIdentifier(main);
  if (joins.channel)
    from += " LEFT JOIN " + QuoteIdentifier(schema::kChannelTable) + " ON " +
            Qualified(schema::kChannelTable, schema::kChannelKey) + " = " + Qualified(main, schema::kChannelKey);
  for (const std::string& table : joins.byService)
    from += " LEFT JOIN " + QuoteIdentifier(table) + " ON " + Qualified(table, schema::kServiceKey) + " = " +
            Qualified(main, schema::kServiceKey);
  if (joins.provider)
    from += " LEFT JOIN " + QuoteIdentifier(schema::kProviderTable) + " ON " +
            Qualified(schema::kProviderTable, schema::kProviderKey) + " = " +
            Qualified(schema::kProviderLinkTable, schema::kProviderKey);
  return from;
}

// By channel number, as the set lists them, where the number is a column of the main table.
std::string OrderClause(const DatabaseLayout& layout, const std::vector<TDataItem>& items, const DatabaseSchema& schema) {
  const std::string byKey = Qualified(layout.mainTable, schema::kServiceKey);
  const TDataItem* number = FieldOfRole(items, "Nr");
  for (const DatabaseField& field : layout.fields) {
    if (&items[field.item] != number || !Is(field.source.table, layout.mainTable)) continue;
    const std::string column = PresentColumn(field.source, schema);
    if (!column.empty()) return " ORDER BY " + Qualified(layout.mainTable, column) + ", " + byKey;
  }
  return " ORDER BY " + byKey;
}

}  // namespace

std::string PresentColumn(const ColumnSource& source, const DatabaseSchema& schema) {
  for (const std::string& column : source.columns)
    if (schema.HasColumn(source.table, column)) return column;
  return {};
}

std::string KeyColumnOf(const std::string& table) {
  if (Is(table, schema::kChannelTable)) return schema::kChannelKey;
  if (Is(table, schema::kProviderTable)) return schema::kProviderKey;
  return schema::kServiceKey;
}

DatabaseQuery BuildServiceQuery(const DatabaseLayout& layout, const std::vector<TDataItem>& items,
                                const DatabaseSchema& schema, const std::string& name) {
  const Requirements require(schema, name);
  require.Column(layout.mainTable, schema::kServiceKey);
  const Joins joins = JoinsOf(layout, require);
  DatabaseQuery query;
  std::string select = "SELECT " + Qualified(layout.mainTable, schema::kServiceKey);
  int next = 1;
  if (joins.channel) {
    select += ", " + Qualified(layout.mainTable, schema::kChannelKey);
    query.channelIdColumn = next++;
  }
  if (joins.provider) {
    select += ", " + Qualified(schema::kProviderLinkTable, schema::kProviderKey);
    query.providerIdColumn = next++;
  }
  for (const DatabaseField& field : layout.fields) {
    const std::string column = field.source.favouriteList != 0 ? std::string() : PresentColumn(field.source, schema);
    if (column.empty()) {
      query.fieldColumns.push_back(-1);
      continue;
    }
    select += ", " + Qualified(field.source.table, column);
    query.fieldColumns.push_back(next++);
  }
  query.sql = select + FromClause(layout.mainTable, joins) + OrderClause(layout, items, schema);
  return query;
}

}  // namespace tarno
