// Distances to ready found the slow way, by trying every complete hand the
// tiles could become: the distance is the number of tiles the closest one
// still lacks, less one. For hands of 13 - 3 x melds concealed tiles; counts
// are indexed by tile code (1-37).
#pragma once

// Normal form: four sets and a pair, less the declared melds. A target may
// ask for a fifth copy of a tile (the evaluator does not look at copies
// outside the hand either).
int reference_normal_distance(const int* counts, int melds);

// Knitted straight (a knitted arrangement, one set and a pair; with one
// declared meld, the arrangement and a pair), over the arrangements of which
// the hand holds at least 8 tiles; 99 when there is none or melds exceed one.
int reference_knitted_straight_distance(const int* counts, int melds);

int reference_seven_pairs_distance(const int* counts);         // a kind held four times is two pairs
int reference_thirteen_orphans_distance(const int* counts);
int reference_honours_knitted_distance(const int* counts);     // fourteen distinct tiles of one arrangement and the honours
