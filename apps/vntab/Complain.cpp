#include "Commands.h"

#include <iostream>

namespace vntab_cli {

void Complain(const std::string& line) { std::cerr << "vntab: " << line << '\n'; }

} // namespace vntab_cli
