// A program killed after a recovery write: the next start offers the work.
#include "support/killed_program.h"

namespace {

TEST(RecoveryAfterKill, TheNextStartOffersWhatTheKilledProgramWrote) {
  killed_program::ExpectTheNextStartRecovers(HERD_CLI_PATH, "run", "cli");
}

}  // namespace
