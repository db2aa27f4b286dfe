#pragma once
// Key presses on a calculator by their handler names, as the face's keys run them.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "engine/key_handlers.h"

namespace orvanta::test_keys {

inline void press_key(Calculator& calc, std::string_view name) {
  const KeyHandler handler = find_key_handler(name);
  ASSERT_NE(handler, nullptr) << name;
  (calc.*handler)(MouseButton::Left);
}

// Digits and A-F press their keys; the signs + - * / = . ^ press kadd ksub ksum kdiv kdy kp
// kycf.
inline void press_keys(Calculator& calc, std::string_view text) {
  static constexpr std::string_view kSigns = "+-*/=.^";
  static constexpr std::array<std::string_view, 7> kSignKeys = {"kadd", "ksub", "ksum", "kdiv",
                                                                "kdy",  "kp",   "kycf"};
  for (const char ch : text) {
    const std::size_t sign = kSigns.find(ch);
    press_key(calc, sign != std::string_view::npos
                        ? std::string(kSignKeys[sign])
                        : "k" + std::string(1, static_cast<char>(std::tolower(ch))));
  }
}

}  // namespace orvanta::test_keys
