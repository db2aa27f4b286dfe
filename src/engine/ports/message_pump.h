#pragma once
// Port: waits while the window system keeps handling messages, so key presses that arrive
// meanwhile run their handlers (re-entrantly) before the wait returns.
namespace orvanta {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles pending messages for `milliseconds`; 0 handles what is pending and returns.
  virtual void wait(int milliseconds) = 0;
};

}  // namespace orvanta
