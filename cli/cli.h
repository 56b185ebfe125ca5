#pragma once
#include <ostream>

namespace picmove {

// Exit statuses of the command line.
enum CliStatus { kCliOk = 0, kCliUsage = 1, kCliPackageError = 2 };

// The command line over the core. Arguments and output are UTF-8; the core
// works in GBK inside.
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace picmove
