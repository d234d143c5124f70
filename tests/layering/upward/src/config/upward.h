#pragma once
#include "app/tray.h"
#include "ports/clock.h"
