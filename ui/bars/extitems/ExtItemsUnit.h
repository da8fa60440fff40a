// The ready-made items of the bar library: their item classes registered with the item controls that
// show them while the bar unit runs.
#pragma once

// Called by the bar unit's start-up and shut-down.
void ovBarExtItemsStart();
void ovBarExtItemsEnd();
