// Data objects over fixed layouts for the fuzz targets.
#pragma once

#include "TarnoChannelEditUnit002.h"

inline tarno::TDataObject FuzzObject(const char* settings) {
  return tarno::TDataObject(tarno::ReadLayoutFrom(settings, "F"));
}
