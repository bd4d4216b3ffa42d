#pragma once

#include "properties/element_property.h"

namespace periodic {

// Written by the build from the Blue Obelisk data (write_element_properties): the values of
// elements 1..110 in the order of ElementProperty.
extern const PropertyValue kElementPropertyTable[110][kElementPropertyCount];

}  // namespace periodic
