#pragma once
// The calculator's results as the exchange carries them out: while automatic output is on, each
// final result becomes the outgoing text of the options in force, in the output form chosen in
// the LCD menu, and goes to the sender, which delivers it into the window below (the Windows
// front end) or records it (tests).
#include "engine/ports/result_output.h"
#include "tools/exchange/exchange_options.h"
#include "tools/exchange/exchange_text.h"

namespace orvanta {

class ExchangeSender {
 public:
  virtual ~ExchangeSender() = default;
  // One call per result: find the window below, type or paste `outgoing.text`, then the
  // Space and Enter presses, copying to the clipboard when asked.
  virtual void deliver(const Outgoing& outgoing) = 0;
};

class ExchangeOutput : public ResultOutput {
 public:
  explicit ExchangeOutput(ExchangeSender& sender) : sender_(sender) {}

  ExchangeOptions& options() { return options_; }
  const ExchangeOptions& options() const { return options_; }

  // The form chosen in the LCD pop-up menu (not stored).
  OutputForm form() const { return form_; }
  void set_form(OutputForm form) { form_ = form; }

  void send(const FinalResult& result) override;

 private:
  ExchangeSender& sender_;
  ExchangeOptions options_;
  OutputForm form_ = OutputForm::Figures;
};

}  // namespace orvanta
