// A move-only owner for one operating-system resource, shared by the
// Windows layers of every deliverable. Traits supply `Value`, `invalid()`
// and `close(Value)`. Declaring owners in the order of opening closes them
// in reverse order on every path out of a scope.
#pragma once

#include <utility>

namespace base {

template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() = default;
  explicit UniqueHandle(Value value) : value_(value) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Value get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::invalid(); }

  // Gives up ownership without closing.
  Value release() { return std::exchange(value_, Traits::invalid()); }

  // Closes what is held (if anything) and takes `value`.
  void reset(Value value = Traits::invalid()) {
    if (value_ != Traits::invalid()) Traits::close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::invalid();
};

}  // namespace base
