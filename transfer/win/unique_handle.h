// A move-only owner for one operating-system resource (thread handle,
// Internet handle, C file stream, socket). Declaring owners in the order of
// opening closes them in reverse order on every path out of a scope.
#pragma once

#include <utility>

namespace qv {

// Traits supply `type`, `invalid()` and `close(type)`.
template <typename Traits>
class UniqueHandle {
 public:
  using type = typename Traits::type;

  UniqueHandle() = default;
  explicit UniqueHandle(type value) : value_(value) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  type get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::invalid(); }

  // Closes the resource held (if any) and takes `value` instead.
  void reset(type value = Traits::invalid()) {
    if (value_ != Traits::invalid()) Traits::close(value_);
    value_ = value;
  }

  type release() { return std::exchange(value_, Traits::invalid()); }

 private:
  type value_ = Traits::invalid();
};

}  // namespace qv
