// Start-up and shut-down of the ribbon unit, in its order. It joins the library's ordered sequence after
// the bars, whose registries and painters it extends.
#pragma once

void uiRibbonInitialize();
void uiRibbonFinalize();
bool uiRibbonInitialized();
