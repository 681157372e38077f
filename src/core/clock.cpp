#include "core/clock.h"

#include <ctime>
#include <utility>

namespace core {

namespace {

DateTime systemNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateTime{Date{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900}, local.tm_hour, local.tm_min,
                  local.tm_sec};
}

std::function<DateTime()>& clock() {
  static std::function<DateTime()> c;
  return c;
}

}  // namespace

DateTime now() { return clock() ? clock()() : systemNow(); }

Date today() { return now().date; }

void setClock(std::function<DateTime()> c) { clock() = std::move(c); }

PinnedClock::PinnedClock(const DateTime& at) : previous_(clock()) {
  setClock([at] { return at; });
}

PinnedClock::~PinnedClock() { setClock(std::move(previous_)); }

}  // namespace core
