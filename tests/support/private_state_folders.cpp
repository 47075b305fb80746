#include "support/private_state_folders.h"

namespace {

[[maybe_unused]] const bool kInstalled = (UsePrivateStateFolders(), true);

}  // namespace
