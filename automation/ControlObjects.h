#pragma once

// Installs the factory of the control's automation objects; the module calls it when it starts.

void InstallControlObjects();
