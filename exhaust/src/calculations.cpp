// The exhaust pipe calculation.
//
// Inputs are held in single precision, fitting counts as 16-bit whole numbers; intermediate
// arithmetic is double and every stored value is single. The whole calculation runs before
// any label is written, so a value it has to refuse leaves the form as it was. Each formula
// enters its value on the calculation sheet through the recorder as it is computed, so the
// sheet holds what the run got to.
#include <optional>
#include <string>

#include "exhaust/caption_text.h"
#include "exhaust/frm_exhaust.h"
#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "formkit/pipe_tables.h"
#include "formkit/sheet_steps.h"

namespace exhaust {
namespace {

using formkit::Checked;
using formkit::Div;
using formkit::Fault;
using formkit::NumberText;
using formkit::Sqrt;
using formkit::ToSingle;

// Flow constant of the diameter and pressure drop formulas, and its square as a double.
constexpr double kFlow = 5.2;
constexpr double kFlowSquared = 5.2 * 5.2;
constexpr int kPasses = 3;
constexpr const char* kDiameterFormula = "D = sqrt(Q / 5.2 * sqrt(B * K / (Tabs * P)))";

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
  Calculation(const FrmExhaust& form, formkit::SheetSteps& steps) : form_(form), steps_(steps) {}

  Results Run() {
    steps_.Section("Inputs as the calculation read them");
    const float t = Input("txtExhaustTemp");
    const float q = Input("txtFlowRate");
    const float p = Input("txtDropLimit");
    const float a = Input("txtAltitude");
    const float l = Input("txtPipeLength");

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
      r.b = ToSingle(static_cast<double>(a) * a * 1.455357142857e-8 - a * 0.00107896428571429 +
                     29.9178571428571);
    } catch (const Fault&) {
      Refuse("Altitude", "txtAltitude", "its barometric pressure is beyond the range of numbers");
    }
    steps_.Section("Absolute temperature and barometric pressure");
    steps_.Step("Absolute temperature Tabs", "\u00b0R", "Tabs = T + 460", tabs);
    steps_.Step("Local barometric pressure B", "Inches Mercury",
                "B = A * A * 0.00000001455357142857 - A * 0.00107896428571429 + 29.9178571428571",
                r.b);

    // Exactly three passes, no test for convergence; the fittings sum replaces K in each.
    steps_.Section("Iteration of diameter and system K (three passes; D uses the K before it)");
    float k = steps_.Step("Starting K", "", "K = 5, the starting estimate", 5.0f);
    for (int pass = 0; pass < kPasses; ++pass) {
      const std::string n = "Pass " + std::to_string(pass + 1);
      r.d =
          steps_.Step(n + " diameter D", "Inches", kDiameterFormula, Diameter(q, r.b, k, tabs, p));
      k = fittings;
      const auto size = formkit::StandardDiameterFor(r.d);
      if (size) {
        r.s = static_cast<int16_t>(*size);
        steps_.Step(n + " standard size S", "Inches", "S = the first standard diameter not below D",
                    std::to_string(r.s));
      } else if (pass == 0) {
        r.unsized = true;
        steps_.Step(n + " standard size S", "",
                    "D is above 60 inches: no straight-pipe term, so no system K or pressure drop",
                    std::string("Out of Range"));
        break;
      } else {
        steps_.Step(n + " standard size S", "Inches",
                    "D is above 60 inches: the size of the pass before stands",
                    std::to_string(r.s));
      }
      // 0.4 per foot of pipe per inch of diameter; above 60 the last size found stands.
      k = steps_.Step(n + " system K", "", "K = Kf + 0.4 * L / S",
                      Computing("System K", [&] { return ToSingle(k + 0.4 * l / r.s); }));
    }
    r.k = k;
    if (!r.unsized) {
      const double q2 = static_cast<double>(q) * q;
      const double s2 = static_cast<double>(r.s) * r.s;
      r.dp = Computing("Calculated Pressure Drop", [&] {
        return ToSingle(Div(q2 * k * r.b, kFlowSquared * (s2 * s2) * tabs));
      });
      steps_.Section("Pressure drop (with the K and S of the third pass)");
      steps_.Step("Pressure drop dP", "Inches Water Column",
                  "dP = Q^2 * K * B / (5.2^2 * S^4 * Tabs)", r.dp);
    }
    return r;
  }

 private:
  [[noreturn]] void Refuse(const std::string& name, std::string_view control,
                           const std::string& reason) const {
    throw Refusal{"The " + name + " " + Quoted(form_.Text(control)) + " cannot be used: " + reason +
                  "."};
  }

  // Reads an input and enters it on the sheet; a value beyond the range of numbers is
  // refused under the caption it has on the form.
  float Input(const char* control) {
    try {
      return steps_.Read(control);
    } catch (const Fault&) {
      Refuse(std::string(formkit::QuantityOf(kQuantities, control).caption), control,
             "it is beyond the range of numbers");
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
    steps_.Fittings(formkit::ExhaustFittings());
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
  formkit::SheetSteps& steps_;
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
  steps_.Clear();
  std::string blanks;
  Blank_Check(blanks);
  if (blanks == "Blanks") {
    steps_.Section("Not calculated: a required input is empty");
    return;
  }

  Results r;
  try {
    r = Calculation(*this, steps_).Run();
  } catch (const Refusal& refusal) {
    steps_.Section("Stopped: a value cannot be used; the form keeps the results it had");
    steps_.Note(refusal.message);
    Msg(refusal.message);
    return;
  }
  // K, D, B and dP are rounded as they are shown.
  steps_.Section("Final rounding (to 2 decimals, an exact half to even)");
  const char* const no_size = "no value: the first pass found no standard size";
  if (r.unsized)
    steps_.ShowBare("lblK", "", no_size);
  else
    steps_.Show("lblK", r.k, "K of the third pass rounded, with its 0 before the point",
                &CaptionText);
  const float d =
      steps_.Show("lblCalcPipe", r.d,
                  r.unsized ? "D of the first pass rounded" : "D of the third pass rounded");
  steps_.Show("lblLocalBarometricPressure", r.b, "B rounded");
  if (r.unsized)
    steps_.ShowBare("lblActualDrop", "", no_size);
  else
    steps_.Show("lblActualDrop", r.dp, "dP rounded");
  if (r.unsized || d > 60)
    steps_.ShowBare("lblStdPipe", "Out of Range",
                    "the rounded D is above 60 inches, the largest standard size");
  else
    steps_.ShowText("lblStdPipe", std::to_string(r.s), "S of the third pass");
}

}  // namespace exhaust
