#pragma once
// Amounts of money in whole cents. The tax rules are decimal rules: in integer cents every sum
// and every rate is exact, and the one rounding (to the cent, halves up) happens where the law
// rounds, so no binary noise ever reaches a field.
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta {

using Cents = std::int64_t;

inline constexpr Cents kCentsPerYuan = 100;

constexpr Cents yuan(std::int64_t whole_yuan) {
  return whole_yuan * kCentsPerYuan;
}

// The largest amount a field takes: far beyond any salary, and small enough that twelve months
// of it times any rate stay exact in 64 bits.
inline constexpr Cents kMaxAmount = yuan(1'000'000'000'000);

enum class MoneyProblem {
  None,
  NotANumber,
  TooLarge,  // beyond kMaxAmount either way
};

struct MoneyField {
  Cents cents = 0;
  MoneyProblem problem = MoneyProblem::None;
};

// A field's text as an amount, rounded half up (away from zero) to the cent. Blanks around it,
// a sign, thousands separators between the digits before the point ("10,000"), full-width
// digits and signs ("１０００", "－５") and an exponent ("1.5E3") are read; an empty or blank
// text is 0.
MoneyField read_money(std::string_view text);

// `amount` × `percent` / 100, rounded half up to the cent.
Cents percent_of(Cents amount, int percent);

// "1080", "3390.1", "-0.05": yuan to the cent with trailing zeros dropped, no separators.
std::string money_text(Cents amount);

}  // namespace orvanta
