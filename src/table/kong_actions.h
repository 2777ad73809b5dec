// Kongs declared in a COM seat's own turn, and robbing an added kong.
#pragma once

// The COM seat adds the tile in slot 13 to its pung of that tile; the other
// seats may rob it before the replacement draw. True (and g_kong_this_turn
// = 1) when the kong was made.
bool try_added_kan(int seat);

// The COM seat's own decision on a concealed kong of the tile in slot 13
// (four free copies), and the kong when it decides for it. A concealed kong
// cannot be robbed. True (and g_kong_this_turn = 1) when made.
bool try_concealed_kan(int seat);

// After an added kong by kong_seat (the scene already its replacement
// scene): flags every COM seat that waits on the kong tile and offers the
// user the robbing win when no seat ahead of the user can take it first.
void check_robbing_kan(int kong_seat);
void check_com_robbing_kan(int seat);
void check_user_robbing_kan(int seat);

// The seat wins on the robbed kong tile (no point minimum); the kong goes
// back to the pung it was. False when the tile does not complete the hand.
bool ron_by_robbing_kan(int seat);

void clear_robbing_flags();

// Aims under which a COM seat with a ready-less hand still declares a
// concealed kong of an honour.
constexpr int kConcealedHonourKongAims[] = {28, 30, 34, 50, 54, 58, 63, 66, 70, 72, 73, 23, 31};
constexpr int kNoConcealedKongAim = 40;  // the chicken hand never declares one
