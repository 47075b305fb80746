#pragma once
// What a command says while the feature behind it is still to come.

void ShowNotYetAvailable();
