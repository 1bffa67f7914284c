// Data objects over fixed layouts for the fuzz targets.
#pragma once

#include <sstream>

#include "TarnoChannelEditUnit002.h"

inline tarno::TDataObject FuzzObject(const char* settings) {
  std::istringstream text(settings);
  return tarno::TDataObject(tarno::ReadLayoutFrom(text, "F"));
}
