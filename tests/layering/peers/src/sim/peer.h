#pragma once
#include "cli/cli.h"
