// Radio groups, speed buttons and bit buttons.
#include "ClassLibraryHelpers.h"
#include "ControlClasses.h"
#include "UiBindingTable.h"

namespace tarno::ui {

namespace {
const Specific kMembers[] = {
    {"TRadioGroup", "Columns", nullptr, nullptr},
};
}  // namespace

std::span<const Specific> ControlKindMembers() { return kMembers; }

}  // namespace tarno::ui
