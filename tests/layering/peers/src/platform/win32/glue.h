#pragma once
#include "sim/peer.h"
