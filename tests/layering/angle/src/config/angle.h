#pragma once
#include <gtest/gtest.h>
#include <app/tray.h>
#include <ports/clock.h>
