// Scripted play without a window: the headless driver's command language.
//
//   seed N          seed of the random numbers (before the window opens)
//   open            open the window (done by the first command that needs it)
//   frames N        run N frames
//   move X Y        move the pointer
//   click [X Y]     left click (at X Y after moving there, else where the pointer is)
//   rclick [X Y]    right click
//   key K           key down: enter, esc, left, right, up, down, a letter or a code
//   png PATH        write the surface as a PNG
//   sounds          print and forget the sounds requested so far
//   scene           print the scene number
//   expect-scene N  stop with an error unless the scene is N
//   # ...           comment
#pragma once

#include <iosfwd>

// Runs the script over a fresh program state; returns 0, or 1 after the first
// failing line (reported on `err`).
int run_headless_script(std::istream& script, std::ostream& out, std::ostream& err);
