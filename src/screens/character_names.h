// The characters' names by character id (0 the user, 1..6 COM1..COM6), as
// the name sheet shows them; drawn as text where the sheet is missing.
#pragma once

#include <array>

constexpr std::array<const char*, 7> kCharacterNames{"あなた", "ひろし", "じゅんぺい", "こうた", "さやか", "あかね", "りょうこ"};
