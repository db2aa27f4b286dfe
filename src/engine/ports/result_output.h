#pragma once
// Port: the finished results of equals, for whoever takes them (the output into the window
// below, which types them only while automatic output is on). Called once for each equals that
// shows a result, never for keys pressed while equals reads it out.
#include <string>

namespace orvanta {

struct FinalResult {
  // The number as the LCD formats it (precision, thousands separators), in the current base.
  std::string shown_text;
  // The same value as decimal number text before precision; the wordings are made from it.
  std::string value_text;
  // The chain that was computed, as the formula bar shows it before "=" (for example 1+2*3);
  // empty when the bar holds no such chain (a bare number, a power or logic operation, or
  // another base than decimal).
  std::string formula;

  bool operator==(const FinalResult&) const = default;
};

class ResultOutput {
 public:
  virtual ~ResultOutput() = default;
  virtual void send(const FinalResult& result) = 0;
};

}  // namespace orvanta
