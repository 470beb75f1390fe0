#pragma once
#include "app/app_state.h"
#include "capture/selection_types.h"

namespace qirvo {

// Refills every slot: 0 the built-in cursor, 1 west-east, 2 north-south, 3 north-west to
// south-east, 4 north-east to south-west, 5 the four-way move arrow.
void fillPointerTable(PointerTable& table);

// The slot whose pointer tells what a press in the region would do.
int pointerSlotOf(HitRegion region);

}  // namespace qirvo
