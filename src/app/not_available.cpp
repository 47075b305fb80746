#include "app/not_available.h"

#include "platform/app_message.h"

void ShowNotYetAvailable() { App_MessageBox("This feature is not yet available."); }
