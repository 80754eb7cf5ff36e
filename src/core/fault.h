#pragma once
// Typed faults. They carry no text: the error handler maps each kind to its
// fixed message, so the same fault reads the same in the window and the CLI.
#include <exception>
#include <string>

namespace ondarel {

enum class FaultKind {
    Integer,        // integer overflow, division by zero, range
    FloatingPoint,  // overflow, division by zero, invalid operation
    InvalidCast,    // invalid type conversion of an object
    Conversion,     // text-to-number or format conversion
    AccessViolation,
    StackOverflow,
    Other,  // file errors and anything else
};

class Fault : public std::exception {
public:
    explicit Fault(FaultKind kind) : kind_(kind) {}
    FaultKind kind() const { return kind_; }
    const char* what() const noexcept override;

private:
    FaultKind kind_;
};

[[noreturn]] void raiseFloatingPointFault();
[[noreturn]] void raiseFileFault();

// The fixed Portuguese report shown for a fault kind.
const std::string& faultMessage(FaultKind kind);

// The report for anything that escaped a command: Fault, std::bad_alloc, ...
std::string messageForCurrentException();

}  // namespace ondarel
