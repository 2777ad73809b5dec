// The user's kongs in the own turn: the candidates, the pop-up's kong row
// and the declaration of one candidate (also the kong choice's click).
#pragma once

// Fills g_kan_candidates (0 where none) with every tile the user holds four
// times among free and pung slots 0..13, in hand order; returns how many.
int find_user_kan_candidates();

// The pop-up's kong row: one candidate is declared at once, two or three
// open the kong choice (scene 810). Nothing with an empty wall.
void do_user_kan();

// Declares the kong of `tile`: added to the user's pung of it when there is
// one (which the other seats may rob), else concealed; the replacement
// scene follows, through the shout pause with balloons on.
void declare_user_kan(int tile);
