#include "record_compare.h"

#include "engine_limits.h"
#include "heap.h"

namespace pscript {

namespace {

bool sameField(const Value& a, const Value& b, size_t depth);

bool sameAggregate(const ArrObj* x, const ArrObj* y, size_t depth) {
  if (x == y) return true;
  if (!x || !y || x->items.size() != y->items.size() || depth > kMaxTypeNesting) return false;
  for (size_t i = 0; i < x->items.size(); ++i)
    if (!sameField(x->items[i], y->items[i], depth + 1)) return false;
  return true;
}

bool sameField(const Value& a, const Value& b, size_t depth) {
  if (a.type() == vtAggregate || b.type() == vtAggregate) return sameAggregate(asArr(a), asArr(b), depth);
  // Texts by content (the reference compares their pointers); other heap
  // values (dynamic arrays) by identity; plain values by their bits.
  if (a.isString() || b.isString()) return a.rawString() == b.rawString();
  if (a.isWideString() || b.isWideString()) return a.rawWideString() == b.rawWideString();
  if (a.isHeap() || b.isHeap()) return a.obj() == b.obj();
  return a.rawInt() == b.rawInt();
}

}  // namespace

bool sameRecordContents(const Value& a, const Value& b) { return sameField(a, b, 0); }

}  // namespace pscript
