#include "cli/driver.h"
#include "model/ppg_bank.h"

namespace {

// The one bank of the process: 87 default programs and 20 cleared combis
// until a reader fills it.
vornak::PpgBank theBank(87, 20);

} // namespace

int main(int argc, char** argv) { return vornak::runDriver(argc, argv, theBank); }
