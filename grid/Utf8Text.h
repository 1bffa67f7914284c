// The cells hold UTF-8; Qt draws and edits QString.
#pragma once

#include <QString>
#include <string_view>

namespace tarno::grid {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace tarno::grid
