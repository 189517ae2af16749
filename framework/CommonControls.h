#pragma once

// Registers the common control classes our windows and templates use (up-down, tab, tooltips,
// list views, ...), once per process.
void EnsureCommonControls();
