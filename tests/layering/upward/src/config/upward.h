#pragma once
#include "ports/clock.h"
#include "app/tray.h"
