// The host object behind TStrings and TStringList, with the FPC RTL's
// rules for sorting, duplicates, names and values and delimited text.
#pragma once

#include "StdClasses.h"

#include <pscript/pscript.h>

#include <string>
#include <vector>

namespace tarno {

enum class Duplicates : int { Ignore, Accept, Error };

struct StringListObject : PersistentObject {
  struct Item {
    std::string text;
    pscript::Value object;
  };
  std::vector<Item> items;
  bool sorted = false, caseSensitive = false;
  bool strictDelimiter = false;  // the import offers no StrictDelimiter property: stays false
  Duplicates duplicates = Duplicates::Ignore;
  char delimiter = ',', quoteChar = '"', nameValueSeparator = '=';
  int64_t capacity = 0;

  bool AssignFrom(pscript::Exec& exec, const pscript::Value& source) override;

  // OnChanging and OnChange (TStringList): run before and after every change
  // unless BeginUpdate holds them back; EndUpdate of the outermost update runs
  // OnChange once. self is the list's own handle, the handlers' Sender.
  pscript::Value self, onChanging, onChange;
  int updateCount = 0;
  void BeginUpdate(pscript::Exec& exec);
  void EndUpdate(pscript::Exec& exec);
  // Lists that show in a control: the control catches up after a change, and
  // the list catches up with what the user changed before it is read.
  virtual void ContentsChanged() {}
  virtual void Refresh() {}

  // Throw std::runtime_error with the RTL's texts.
  void CheckIndex(int64_t index, bool allowEnd = false) const;
  int64_t Add(const std::string& s, const pscript::Value& object = {});
  void CheckInsert(int64_t index) const;
  void Insert(int64_t index, const std::string& s, const pscript::Value& object = {});
  int64_t IndexOf(const std::string& s) const;
  int64_t IndexOfName(const std::string& name) const;
  bool Find(const std::string& s, int64_t& index) const;
  void Sort();
  int Compare(const std::string& a, const std::string& b) const;

  std::string Name(size_t i) const;             // "" without a separator
  std::string ValueFromIndex(size_t i) const;   // the whole text without a separator
  std::string Value(const std::string& name) const;
  void SetValue(const std::string& name, const std::string& value);

  std::string Text() const;
  void SetText(const std::string& text);
  std::string DelimitedText(char delim, char quote, bool strict) const;
  void SetDelimitedText(const std::string& text, char delim, char quote, bool strict);
};

}  // namespace tarno
