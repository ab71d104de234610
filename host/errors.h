#pragma once

#include <stdexcept>
#include <string>

namespace ostrel {

// A run-time error: it leaves every procedure it passes through and is reported at the
// boundary of the event handler that started the work, which then ends the program.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}

    int number() const { return number_; }

private:
    int number_;
};

inline RuntimeError overflowError() { return RuntimeError(6, "Overflow"); }

}  // namespace ostrel
