// "Apply reference list": the channel order of another list (a channel map of
// the same kind from another archive or television, or its CSV) carried over
// to the loaded one.
#pragma once

#include "CellStore.h"
#include "ChannelList.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

struct ReferenceResult {
  int channels = 0;       // channels of the loaded list
  int found = 0;          // of them, found in the reference
  int numberedAfter = 0;  // not found, numbered after the highest number given
  int changed = 0;        // numbers that changed
};

// A channel found in the reference takes the reference channel's number: found
// first by its service identity (service, transport stream and original
// network id; name and frequency for analog lists), then by its name alone.
// Each reference channel and each number is given once; the channels not found
// are numbered after the highest number given, in the order of their old
// numbers. Numbers are written through to the records at once, as the
// renumber commands write them; rows do not move.
ReferenceResult ApplyReference(TDataObject& data, grid::CellStore& cells, const ChannelList& reference);

}  // namespace tarno::editing
