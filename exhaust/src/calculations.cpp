// The exhaust pipe calculation.
//
// Inputs are held in single precision, fitting counts as 16-bit whole numbers; intermediate
// arithmetic is double and every stored value is single. The whole calculation runs before
// any label is written, so a value it has to refuse leaves the form as it was.
#include <optional>
#include <string>

#include "exhaust/caption_text.h"
#include "exhaust/frm_exhaust.h"
#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "formkit/pipe_tables.h"

namespace exhaust {
namespace {

using formkit::Checked;
using formkit::Div;
using formkit::Fault;
using formkit::NumberText;
using formkit::RoundHalfEven;
using formkit::Sqrt;
using formkit::ToSingle;

// Flow constant of the diameter and pressure drop formulas, and its square as a double.
constexpr double kFlow = 5.2;
constexpr double kFlowSquared = 5.2 * 5.2;
constexpr int kPasses = 3;

// A value the formulas have no answer for: the calculation stops with this message.
struct Refusal {
  std::string message;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Runs one step; an arithmetic fault in it becomes a refusal naming what it computes.
template <typename Step>
auto Computing(const char* quantity, Step step) {
  try {
    return step();
  } catch (const Fault&) {
    throw Refusal{std::string("The ") + quantity +
                  " comes out beyond the range of numbers the program can hold with these "
                  "values, so it cannot be calculated."};
  }
}

struct Results {
  float k = 0;
  float d = 0;
  int16_t s = 0;
  float b = 0;
  float dp = 0;
  // The first pass gave a diameter above every standard size: there is no straight-pipe
  // term, so K and the pressure drop have no value.
  bool unsized = false;
};

class Calculation {
 public:
  explicit Calculation(const FrmExhaust& form) : form_(form) {}

  Results Run() {
    const float t = Input("txtExhaustTemp", "Exhaust Temperature");
    const float q = Input("txtFlowRate", "Exhaust Flow Rate");
    const float p = Input("txtDropLimit", "Back Pressure Limit");
    const float a = Input("txtAltitude", "Altitude");
    const float l = Input("txtPipeLength", "Pipe Length");

    // 460 turns degrees Fahrenheit into Rankine.
    const float tabs = ToSingle(static_cast<double>(t) + 460.0);
    if (tabs <= 0)
      Refuse("Exhaust Temperature", "txtExhaustTemp",
             "it must be above -460 degrees F (absolute zero)");
    if (q < 0) Refuse("Exhaust Flow Rate", "txtFlowRate", "it must not be negative");
    if (p <= 0) Refuse("Back Pressure Limit", "txtDropLimit", "it must be greater than 0");
    const float fittings = Fittings();

    Results r;
    try {
      r.b = ToSingle(static_cast<double>(a) * a * 1.455357142857e-8 -
                     a * 0.00107896428571429 + 29.9178571428571);
    } catch (const Fault&) {
      Refuse("Altitude", "txtAltitude", "its barometric pressure is beyond the range of numbers");
    }

    // Exactly three passes, no test for convergence; the fittings sum replaces K in each.
    float k = 5.0f;
    for (int pass = 0; pass < kPasses; ++pass) {
      r.d = Diameter(q, r.b, k, tabs, p);
      k = fittings;
      const auto size = formkit::StandardDiameterFor(r.d);
      if (size) {
        r.s = static_cast<int16_t>(*size);
      } else if (pass == 0) {
        r.unsized = true;
        break;
      }
      // 0.4 per foot of pipe per inch of diameter; above 60 the last size found stands.
      k = Computing("System K", [&] { return ToSingle(k + 0.4 * l / r.s); });
    }
    r.k = k;
    if (!r.unsized) {
      const double q2 = static_cast<double>(q) * q;
      const double s2 = static_cast<double>(r.s) * r.s;
      r.dp = Computing("Calculated Pressure Drop", [&] {
        return ToSingle(Div(q2 * k * r.b, kFlowSquared * (s2 * s2) * tabs));
      });
    }
    r.k = RoundHalfEven(r.k, 2);
    r.d = RoundHalfEven(r.d, 2);
    r.b = RoundHalfEven(r.b, 2);
    r.dp = RoundHalfEven(r.dp, 2);
    return r;
  }

 private:
  [[noreturn]] void Refuse(const std::string& name, std::string_view control,
                           const std::string& reason) const {
    throw Refusal{"The " + name + " " + Quoted(form_.Text(control)) + " cannot be used: " +
                  reason + "."};
  }

  float Input(const char* control, const char* name) const {
    try {
      return formkit::ValSingle(form_.Text(control));
    } catch (const Fault&) {
      Refuse(name, control, "it is beyond the range of numbers");
    }
  }

  // Every count is checked before the first pass, so a count that cannot be used is named
  // rather than found by the sum.
  float Fittings() const {
    for (const auto& fitting : formkit::ExhaustFittings()) {
      try {
        formkit::ToInteger16(formkit::ValSingle(form_.Text(fitting.control)));
      } catch (const Fault&) {
        Refuse(std::string(fitting.name) + " count", fitting.control,
               "counts must be whole numbers from -32768 to 32767");
      }
    }
    float k = 0;
    form_.FittingsK(k);
    return k;
  }

  float Diameter(float q, float b, float k, float tabs, float p) const {
    if (k < 0)
      throw Refusal{"The System K comes out at " + NumberText(k) +
                    " with this Pipe Length and these fittings; a System K below 0 cannot "
                    "be used."};
    return Computing("Calculated Pipe Diameter", [&] {
      const double draft = Sqrt(Div(static_cast<double>(b) * k, static_cast<double>(tabs) * p));
      return ToSingle(Sqrt(Checked(q / kFlow * draft)));
    });
  }

  const FrmExhaust& form_;
};

}  // namespace

void FrmExhaust::FittingsK(float& K) const {
  K = 0;
  for (const auto& fitting : formkit::ExhaustFittings()) {
    const int16_t count = formkit::ToInteger16(formkit::ValSingle(Text(fitting.control)));
    K = ToSingle(K + count * static_cast<double>(fitting.k));
  }
}

void FrmExhaust::Calculations() {
  std::string blanks;
  Blank_Check(blanks);
  if (blanks == "Blanks") return;

  Results r;
  try {
    r = Calculation(*this).Run();
  } catch (const Refusal& refusal) {
    Msg(refusal.message);
    return;
  }
  SetText("lblK", r.unsized ? "" : CaptionText(r.k));
  SetText("lblCalcPipe", NumberText(r.d));
  SetText("lblLocalBarometricPressure", NumberText(r.b));
  SetText("lblActualDrop", r.unsized ? "" : NumberText(r.dp));
  SetText("lblStdPipe", r.unsized || r.d > 60 ? "Out of Range" : std::to_string(r.s));
}

}  // namespace exhaust
