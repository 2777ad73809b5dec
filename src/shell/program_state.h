// The program's reset: every floor's state back to its fresh value, the
// state the program starts from. Tests start each case with the same call.
#pragma once

void reset_program_state();
