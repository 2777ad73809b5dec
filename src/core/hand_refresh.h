// The per-seat distance-to-ready refresh that table play runs after every
// draw, claim and flower replacement.
#pragma once

// Recomputes the distance to ready of every possible discard of all four seats.
void refresh_hand_evaluations();
