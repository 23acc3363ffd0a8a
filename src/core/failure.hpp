#pragma once

#include <stdexcept>
#include <string>

namespace nemox {

// A broken internal invariant: the running call is abandoned and the module
// surface raises its internal-failure exception with this message.
class InternalFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An answer that its check against the problem found wrong; it is never
// handed out.
class WrongAnswer : public InternalFailure {
  public:
    using InternalFailure::InternalFailure;
};

// A table larger than this process may allocate, refused before allocating.
class MemoryLimit : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace nemox
