#include "cli/driver.h"
#include "model/ppg_bank.h"

namespace {

// The one bank of the process.
vornak::PpgBank theBank = vornak::makeStartupBank();

} // namespace

int main(int argc, char** argv) { return vornak::runDriver(argc, argv, theBank); }
