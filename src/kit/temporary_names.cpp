// The shape of the writers' temporary names, and a random source for them.
#include "kit/temporary_names.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace kit {
namespace {

constexpr std::string_view kPrefix = ".zvc";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::string_view kRandomCharacters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = kTemporaryNameLength - kPrefix.size() - kSuffix.size();
static_assert(kRandomLength == 6);

// Seeded once per thread from the system's random device, the clock and
// the address of the generator, so that two processes started at the same
// moment still draw different names.
std::mt19937_64& Generator() {
  thread_local std::mt19937_64 generator([] {
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const auto place = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&now));
    return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now ^ place;
  }());
  return generator;
}

}  // namespace

std::string NewTemporaryName() {
  std::uniform_int_distribution<std::size_t> pick(0, kRandomCharacters.size() - 1);
  std::string name(kPrefix);
  for (std::size_t i = 0; i < kRandomLength; ++i) name.push_back(kRandomCharacters[pick(Generator())]);
  name.append(kSuffix);
  return name;
}

bool IsTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryNameLength || !name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
  return name.substr(kPrefix.size(), kRandomLength).find_first_not_of(kRandomCharacters) == std::string_view::npos;
}

}  // namespace kit
