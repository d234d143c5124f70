#include "app/tray.h"
#include "ports/clock.h"
#include "sim/simulated_mouse.h"
#include "support/fake_files.h"
