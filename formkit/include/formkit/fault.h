// Arithmetic faults of the form programs.
//
// The sizing procedures were written against a runtime in which any arithmetic fault
// (division by zero, overflow, square root of a negative number, a count out of the 16-bit
// range) ends the running procedure at the point of the fault, and a handler armed by the
// caller decides what happens next. `Fault` is that one mechanism: the checked operations
// below throw it, and the procedure that arms a handler catches it.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace formkit {

class Fault : public std::runtime_error {
 public:
  explicit Fault(const char* what) : std::runtime_error(what) {}
};

// A double result that is not finite is an overflow or an invalid operation.
double Checked(double value);
// Division; a zero divisor is a fault, and so is a result out of range.
double Div(double numerator, double denominator);
// Square root; a negative argument is a fault.
double Sqrt(double value);
// Stores a double into single precision; a value beyond the single range is an overflow.
float ToSingle(double value);
// Rounds to the nearest whole number (an exact half to the even neighbour) and stores it
// in a signed 16-bit integer; a result outside -32768..32767 is an overflow.
int16_t ToInteger16(double value);

}  // namespace formkit
