#pragma once
// What the phase storage and the editors hear about signal groups: a group was
// created or is about to be destroyed, and some trend's transition times
// changed (every transition interval has to be computed again).

#include <vector>

namespace lir {

class TTrendGroup;

class TTrendEvents {
 public:
  virtual ~TTrendEvents() = default;
  // After the group got its trends and its automatic outputs.
  virtual void GroupCreated(TTrendGroup& group) { (void)group; }
  // Before the group releases its outputs and loses its trends.
  virtual void GroupDestroyed(TTrendGroup& group) { (void)group; }
  // After any change of a trend's Times or UnivTimes.
  virtual void TimesChanged() {}
};

// Hands every event on to any number of listeners, in the order they
// subscribed. A listener unsubscribes before it goes away.
class TTrendEventList final : public TTrendEvents {
 public:
  // Subscribing twice has no further effect.
  void Subscribe(TTrendEvents& listener);
  void Unsubscribe(TTrendEvents& listener);
  int Count() const { return static_cast<int>(listeners_.size()); }

  void GroupCreated(TTrendGroup& group) override;
  void GroupDestroyed(TTrendGroup& group) override;
  void TimesChanged() override;

 private:
  // A copy is walked, so a listener may subscribe or unsubscribe (itself or
  // another one) while it is being told; one that left is not told.
  template <class Call>
  void Tell(Call call) {
    const std::vector<TTrendEvents*> listeners = listeners_;
    for (TTrendEvents* listener : listeners) {
      if (IsSubscribed(*listener)) call(*listener);
    }
  }
  bool IsSubscribed(const TTrendEvents& listener) const;

  std::vector<TTrendEvents*> listeners_;
};

}  // namespace lir
