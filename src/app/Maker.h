#pragma once

// The maker's web address: shown and opened by the main window's link, and the actions dialog's
// first URL. The product page lives on the same site.
#define TAVORINE_MAKER_ADDRESS "https://tavorine.app"

constexpr char kMakerAddress[] = TAVORINE_MAKER_ADDRESS;
constexpr char kProductPage[] = TAVORINE_MAKER_ADDRESS "/software/tavorine.htm";
