// The computer players' reset: every piece of their state back to its fresh value.
#pragma once

void reset_com_floor();
