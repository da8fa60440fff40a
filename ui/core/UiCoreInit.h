// Start-up and shut-down of the user-interface library's foundation, as one explicit sequence.
// After uiCoreFinalize the shared service objects are gone and are not made again until the next
// uiCoreInitialize.
#pragma once

void uiCoreInitialize();
void uiCoreFinalize();
bool uiCoreInitialized();
