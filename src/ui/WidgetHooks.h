#pragma once

// Connects the core library's seams to the widgets: the synchronous language-change
// delivery to top-level widgets. Idempotent.
void installWidgetHooks();
