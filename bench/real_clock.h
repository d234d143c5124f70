#pragma once

#include <memory>
#include <string>

#include "ports/clock.h"

namespace quorvel::bench {

std::unique_ptr<Clock> makeRealClock();
std::string describeRealClock(const Clock& clock);

}  // namespace quorvel::bench
