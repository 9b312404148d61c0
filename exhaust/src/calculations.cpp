// The exhaust pipe calculation.
//
// Inputs are held in single precision, fitting counts as 16-bit whole numbers; intermediate
// arithmetic is double and every stored value is single. The whole calculation runs before
// any label is written, so a value it has to refuse leaves the form as it was. Each value is
// entered on the calculation sheet as it is computed, so the sheet holds what the run got to.
#include <optional>
#include <string>

#include "exhaust/caption_text.h"
#include "exhaust/frm_exhaust.h"
#include "formkit/calc_sheet.h"
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
  Calculation(const FrmExhaust& form, formkit::CalcSheet& sheet) : form_(form), sheet_(sheet) {}

  Results Run() {
    sheet_.Section("Inputs as the calculation read them");
    const float t = Input("txtExhaustTemp", "Exhaust Temperature", "T", "\u00b0F");
    const float q = Input("txtFlowRate", "Exhaust Flow Rate", "Q", "CFM");
    const float p = Input("txtDropLimit", "Back Pressure Limit", "P", "Inches Water Column");
    const float a = Input("txtAltitude", "Altitude", "A", "Feet above Sea Level");
    const float l = Input("txtPipeLength", "Pipe Length", "L", "Feet");

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
    sheet_.Section("Absolute temperature and barometric pressure");
    sheet_.Add(
        {"Absolute temperature Tabs", NumberText(tabs), "\u00b0R", "Tabs = T + 460", "", ""});
    sheet_.Add({"Local barometric pressure B", NumberText(r.b), "Inches Mercury",
                "B = A * A * 0.00000001455357142857 - A * 0.00107896428571429 + 29.9178571428571", "",
                ""});

    // Exactly three passes, no test for convergence; the fittings sum replaces K in each.
    float k = 5.0f;
    sheet_.Section("Iteration of diameter and system K (three passes; D uses the K before it)");
    sheet_.Add({"Starting K", NumberText(k), "", "K = 5, the starting estimate", "", ""});
    for (int pass = 0; pass < kPasses; ++pass) {
      const std::string n = "Pass " + std::to_string(pass + 1);
      r.d = Diameter(q, r.b, k, tabs, p);
      sheet_.Add({n + " diameter D", NumberText(r.d), "Inches", kDiameterFormula, "", ""});
      k = fittings;
      const auto size = formkit::StandardDiameterFor(r.d);
      if (size) {
        r.s = static_cast<int16_t>(*size);
        sheet_.Add({n + " standard size S", std::to_string(r.s), "Inches",
                    "S = the first standard diameter not below D", "", ""});
      } else if (pass == 0) {
        r.unsized = true;
        sheet_.Add({n + " standard size S", "Out of Range", "",
                    "D is above 60 inches: no straight-pipe term, so no system K or pressure drop",
                    "", ""});
        break;
      } else {
        sheet_.Add({n + " standard size S", std::to_string(r.s), "Inches",
                    "D is above 60 inches: the size of the pass before stands", "", ""});
      }
      // 0.4 per foot of pipe per inch of diameter; above 60 the last size found stands.
      k = Computing("System K", [&] { return ToSingle(k + 0.4 * l / r.s); });
      sheet_.Add({n + " system K", NumberText(k), "", "K = Kf + 0.4 * L / S", "", ""});
    }
    r.k = k;
    if (!r.unsized) {
      const double q2 = static_cast<double>(q) * q;
      const double s2 = static_cast<double>(r.s) * r.s;
      r.dp = Computing("Calculated Pressure Drop", [&] {
        return ToSingle(Div(q2 * k * r.b, kFlowSquared * (s2 * s2) * tabs));
      });
      sheet_.Section("Pressure drop (with the K and S of the third pass)");
      sheet_.Add({"Pressure drop dP", NumberText(r.dp), "Inches Water Column",
                  "dP = Q^2 * K * B / (5.2^2 * S^4 * Tabs)", "", ""});
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
    throw Refusal{"The " + name + " " + Quoted(form_.Text(control)) + " cannot be used: " + reason +
                  "."};
  }

  // Reads an input and enters it on the sheet as "Exhaust Temperature T".
  float Input(const char* control, const char* name, const char* symbol, const char* unit) {
    float value = 0;
    try {
      value = formkit::ValSingle(form_.Text(control));
    } catch (const Fault&) {
      Refuse(name, control, "it is beyond the range of numbers");
    }
    sheet_.Input(std::string(name) + " " + symbol, NumberText(value), unit, form_.Text(control));
    return value;
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
    formkit::SheetFittings(sheet_, form_, formkit::ExhaustFittings());
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
  formkit::CalcSheet& sheet_;
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
  sheet_.Clear();
  std::string blanks;
  Blank_Check(blanks);
  if (blanks == "Blanks") {
    sheet_.Section("Not calculated: a required input is empty");
    return;
  }

  Results r;
  try {
    r = Calculation(*this, sheet_).Run();
  } catch (const Refusal& refusal) {
    sheet_.Section("Stopped: a value cannot be used; the form keeps the results it had");
    sheet_.Note(refusal.message);
    Msg(refusal.message);
    return;
  }
  // Each caption goes on the sheet as it is written.
  sheet_.Section("Final rounding (to 2 decimals, an exact half to even)");
  const auto show = [this](const char* label, const std::string& caption, const char* name,
                           const char* unit, const char* formula) {
    SetText(label, caption);
    sheet_.Add({name, caption, caption.empty() ? "" : unit, formula, "", label});
  };
  const char* const no_size = "no value: the first pass found no standard size";
  show("lblK", r.unsized ? "" : CaptionText(r.k), "System K", "",
       r.unsized ? no_size : "K of the third pass rounded, with its 0 before the point");
  show("lblCalcPipe", NumberText(r.d), "Calculated pipe diameter", "Inches",
       r.unsized ? "D of the first pass rounded" : "D of the third pass rounded");
  show("lblLocalBarometricPressure", NumberText(r.b), "Local barometric pressure", "Inches Mercury",
       "B rounded");
  show("lblActualDrop", r.unsized ? "" : NumberText(r.dp), "Calculated pressure drop",
       "Inches Water Column", r.unsized ? no_size : "dP rounded");
  const bool out_of_range = r.unsized || r.d > 60;
  show("lblStdPipe", out_of_range ? "Out of Range" : std::to_string(r.s), "Standard pipe diameter",
       out_of_range ? "" : "Inches",
       out_of_range ? "the rounded D is above 60 inches, the largest standard size"
                    : "S of the third pass");
}

}  // namespace exhaust
