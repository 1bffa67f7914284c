// Lock, skip, hide and delete of the selected channels: only the flag's bits
// change (bit 0, or the mask the layout gives the role). Each command is one
// undoable step.
#pragma once

#include "CellStore.h"
#include "ChannelSelection.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

enum class ChannelFlag { Lock, Skip, Hide, Delete };

// Sets or clears the flag of the selected channels. Throws ChannelListError
// ("This list has no Skip field") when the layout has no field for it.
//
// Delete sets the delete flag where the record has one; a record without one
// (satellite) is deleted by clearing its in-use bits. Undeleting acts on the
// deleted channels of the span instead: those whose flag is set, or, without a
// delete flag, whose in-use bits are clear while they still carry a number.
void SetChannelFlag(TDataObject& data, grid::CellStore& cells, RowSpan rows, ChannelFlag flag, bool on);

}  // namespace tarno::editing
