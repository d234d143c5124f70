#pragma once
#include "ports/clock.h"
