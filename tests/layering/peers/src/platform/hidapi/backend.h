#pragma once
#include "platform/win32/glue.h"
