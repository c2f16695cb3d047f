// Which prerequisites exist, in list order, with their identity and flags.
#pragma once

#include "components/orvo_component.h"

#include <memory>
#include <vector>

// One new object per catalogue row, fields set; the caller filters.
std::vector<std::unique_ptr<OrvoComponent>> BuildCatalogue();
