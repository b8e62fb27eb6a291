#include "model/TrendEvents.h"

#include <algorithm>

namespace lir {

bool TTrendEventList::IsSubscribed(const TTrendEvents& listener) const {
  return std::find(listeners_.begin(), listeners_.end(), &listener) != listeners_.end();
}

void TTrendEventList::Subscribe(TTrendEvents& listener) {
  if (!IsSubscribed(listener)) listeners_.push_back(&listener);
}

void TTrendEventList::Unsubscribe(TTrendEvents& listener) { std::erase(listeners_, &listener); }

void TTrendEventList::GroupCreated(TTrendGroup& group) {
  Tell([&](TTrendEvents& l) { l.GroupCreated(group); });
}

void TTrendEventList::GroupDestroyed(TTrendGroup& group) {
  Tell([&](TTrendEvents& l) { l.GroupDestroyed(group); });
}

void TTrendEventList::TimesChanged() {
  Tell([](TTrendEvents& l) { l.TimesChanged(); });
}

}  // namespace lir
