#pragma once
#include <app/tray.h>
#include <gtest/gtest.h>
#include <ports/clock.h>
