// Start-up and shut-down of the bar unit, in its order: the texts, the registries, the bar unit's item
// classes. It joins the library's ordered sequence after the foundation.
#pragma once

void uiBarsInitialize();
void uiBarsFinalize();
bool uiBarsInitialized();
