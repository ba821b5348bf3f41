#pragma once

#include <string>
#include <string_view>

namespace payvanta::reports {

// The size of the savings summary page, in twips, and of its logo.
inline constexpr int kSavingsWidth = 8385;
inline constexpr int kSavingsHeight = 11520;
inline constexpr int kSavingsLogoWidth = 3150;
inline constexpr int kSavingsLogoHeight = 675;
// The amounts fit inside the frame drawn around the total.
inline constexpr int kAmountWidth = 1455;

// The further savings of the drive, each line followed by the line break.
std::string loadText(std::string_view lineBreak);

} // namespace payvanta::reports
