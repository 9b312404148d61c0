// The vent sizing calculation.
//
// Stored values have the precision of the variables they were held in (single unless noted);
// intermediate arithmetic is double. Later steps read earlier results back from the label
// captions, so the rounding of what is displayed is part of the arithmetic. Any arithmetic
// fault ends the calculation where it happens (formkit::Fault), leaving the labels not yet
// written as they were. Each formula enters its value on the calculation sheet through
// steps_ as it is computed, so the sheet holds what the run got to.
#include <string>

#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "formkit/pipe_tables.h"
#include "sizing/frm_sizing.h"
#include "sizing/fuels.h"

namespace sizing {
namespace {

using formkit::Checked;
using formkit::Div;
using formkit::RoundHalfEven;
using formkit::Sqrt;
using formkit::ToSingle;
using formkit::ValSingle;

// 5.2 * 5.2, as the double product.
constexpr double kFlowSquared = 5.2 * 5.2;
constexpr const char* kIwc = "Inches Water Column";

}  // namespace

double FrmSizing::DiameterFor(float delta_p, float barometric, float tm, float k) const {
  const double driving = Checked(static_cast<double>(i_) * m_ / 413000.0);
  const double draft = Sqrt(Div(static_cast<double>(delta_p) * barometric,
                                static_cast<double>(tm) * k));
  return Sqrt(Div(driving, draft));
}

void FrmSizing::PassDiameter(float delta_p, float barometric, float tm, float k) {
  d_ = DiameterFor(delta_p, barometric, tm, k);
  if (Induced()) d_ = ValSingle(Text("txtDiameter"));
}

float FrmSizing::SystemK(float l, float h, float s) {
  const float straight = ToSingle(Div(static_cast<double>(l) + h, s) * 0.4);
  FittingsK();
  const float k = ToSingle(static_cast<double>(straight) + kf_);
  return Combined() ? ToSingle(static_cast<double>(k) * 1.5) : k;
}

void FrmSizing::Calcualtions() {
  steps_.Clear();
  try {
    steps_.Section("Inputs as the calculation read them");
    const float tamb = steps_.Read("txtAmbientTemp");
    const float rise = steps_.Read("txtFlueTempRise");
    const float h = steps_.Read("txtSysHeight");
    const float l = steps_.Read("txtSysLength");
    const float b = steps_.Read("lblBarometricPres");
    const float po = steps_.Read("txtOutletDraft");
    SheetChoices();

    ValueCheck();
    combinedvent();
    combinedventinduceddraft();

    CombustionMass();
    CalculateI();

    // Theoretical draft; 460 turns degrees Fahrenheit into Rankine.
    const double inverse_ambient = Div(1.0, static_cast<double>(tamb) + 460.0);
    const double inverse_flue = Div(1.0, static_cast<double>(tamb) + rise + 460.0);
    const float dt = ToSingle((inverse_ambient - inverse_flue) * b * 0.2554 * h);
    const float dp = ToSingle(static_cast<double>(po) + dt);
    const float tm = ToSingle(static_cast<double>(tamb) + rise + 460.0);
    steps_.Section("Theoretical draft");
    steps_.Step("Theoretical draft Dt", kIwc,
                "Dt = (1 / (Ta + 460) - 1 / (Ta + dT + 460)) * B * 0.2554 * H", dt);
    steps_.Step("Available draft dP", kIwc, "dP = Po + Dt", dp);
    steps_.Step("Mean flue gas temperature Tm", "R", "Tm = Ta + dT + 460", tm);

    const float draft_hood = ValSingle(Text("txtDraftHood"));
    // The sum every pass uses, on the sheet before them; the passes compute it themselves.
    steps_.Fittings(formkit::VentFittings());
    steps_.Section("Iteration of diameter and system K (three passes)");
    float k = steps_.Step("Starting K", "", "K = 7.5 with a draft hood, else 5",
                          draft_hood > 0 ? 7.5f : 5.0f);
    const std::string diameter_formula =
        Induced() ? "D = the induced draft diameter"
                  : "D = sqrt(I * M / 413000 / sqrt(dP * B / (Tm * K)))";
    const std::string k_formula = std::string("K = (L + H) / S * 0.4 + Kf") +
                                  (Combined() ? ", times 1.5 for a combined vent" : "");
    // Exactly three passes; the K of the third is the system K.
    for (int pass = 1; pass <= 3; ++pass) {
      const std::string n = "Pass " + std::to_string(pass);
      PassDiameter(dp, b, tm, k);
      steps_.Step(n + " diameter D", "Inches", diameter_formula, d_);
      StandardDiameter();
      const float s = ValSingle(steps_.Step(n + " standard size S", "Inches",
                                            "S = the first standard diameter not below D",
                                            Text("lblPipeDiameter")));
      k = steps_.Step(n + " system K", "", k_formula, SystemK(l, h, s));
    }
    PassDiameter(dp, b, tm, k);
    steps_.Step("Final diameter D", "Inches", diameter_formula, d_);

    steps_.Section("Final rounding (to 3 decimals, an exact half to even)");
    d_ = steps_.Show("lblComputedSize", d_, "D rounded");
    steps_.Show("lblTheoreticalDraft", dt, "Dt rounded");
    steps_.Show("lblDeltaP", dp, "dP rounded");
    steps_.ShowText("lblCO2", Text("txtCO2"), "the CO2 text as given");
    steps_.Show("lblSystemK", k, "K rounded");

    StandardDiameter();
    steps_.Shown("lblPipeDiameter", "S = the first standard diameter not below the computed one");
    GasDensity();
    Pressure_Loss();
  } catch (const formkit::Fault& fault) {
    // The calculation ends silently; what was written stays. The sheet says where and why.
    const auto& sections = steps_.sheet().sections();
    const std::string where = sections.empty() ? "" : sections.back().title;
    steps_.Section("Stopped");
    steps_.Note("The calculation stopped in \"" + where + "\" after the last value above: " +
                fault.what() + ". The result labels not written by then keep what they showed.");
  }
}

void FrmSizing::SheetChoices() {
  const int fuel = At("cmbFuelType").value;
  const auto fuels = Fuels();
  steps_.Step(
      "Fuel type", "", "",
      std::string(fuel >= 0 && fuel < static_cast<int>(fuels.size()) ? fuels[fuel].name : "N/A"));
  steps_.Step("Induced draft", "", "", std::string(Induced() ? "Yes" : "No"));
  if (Induced()) {
    // Read here for the sheet only: a text that cannot be read stops the passes that use it.
    try {
      steps_.Read("txtDiameter");
    } catch (const formkit::Fault&) {
      steps_.Unreadable("txtDiameter", "cannot be read as a number");
    }
  }
  steps_.Step("Combined vent", "",
              Combined() ? "the system K of every pass is taken 1.5 times" : "",
              std::string(Combined() ? "Yes" : "No"));
}

void FrmSizing::CalculateI() {
  const float alt = ValSingle(Text("txtAltitude"));
  const float btu = ValSingle(Text("txtBTU"));
  const float factor = ToSingle(0.990476190476191 + alt * 4.4571428571e-05);
  i_ = ToSingle(static_cast<double>(btu) * factor);
  steps_.Input("txtAltitude", alt);
  steps_.Input("txtBTU", btu);
  steps_.Step("Altitude factor F", "", "F = 0.990476190476191 + Alt * 0.000044571428571", factor);
  steps_.Step("Adjusted input I", "BTU", "I = BTU * F", i_);
}

void FrmSizing::CombustionMass() {
  // A fault here ends this procedure alone: M and its label keep their previous contents.
  try {
    const auto co2 = formkit::StrictSingle(Text("txtCO2"), format_);
    if (!co2) throw formkit::Fault("type mismatch");
    const int position = At("cmbFuelType").value;
    const auto fuels = Fuels();
    if (position >= 0 && position < static_cast<int>(fuels.size())) {
      const Fuel& fuel = fuels[position];
      m_ = ToSingle((Div(fuel.p, *co2) + fuel.q) * fuel.r);
      steps_.Input("txtCO2", *co2);
      steps_.Step("Fuel constant p (" + std::string(fuel.name) + ")", "", "", fuel.p);
      steps_.Step("Fuel constant q", "", "", fuel.q);
      steps_.Step("Fuel constant r", "", "", fuel.r);
    }
    m_ = steps_.Show("lblCombustionMass", m_, "M = (p / CO2 + q) * r, rounded to 3 decimals");
  } catch (const formkit::Fault& fault) {
    steps_.Note("Combustion mass M not calculated (" + std::string(fault.what()) +
                ", the CO2 text \"" + Text("txtCO2") + "\"): M and its label keep what they had.");
  }
}

void FrmSizing::FittingsK() {
  // The sum is accumulated in Kf itself, so every partial sum is stored in single precision.
  float sum = 0;
  for (const auto& fitting : formkit::VentFittings()) {
    const int16_t count = formkit::ToInteger16(ValSingle(Text(fitting.control)));
    sum = ToSingle(sum + count * static_cast<double>(fitting.k));
  }
  kf_ = sum;
}

void FrmSizing::StandardDiameter() {
  const auto size = formkit::StandardDiameterFor(d_);
  SetText("lblPipeDiameter", size ? std::to_string(*size) : "Out of Range");
}

void FrmSizing::GasDensity() {
  const float s = ValSingle(Text("lblPipeDiameter"));
  const float dp = ValSingle(Text("lblDeltaP"));
  const float k = ValSingle(Text("lblSystemK"));
  const float alt = ValSingle(Text("txtAltitude"));
  const float btu = ValSingle(Text("txtBTU"));
  const float tm = ToSingle(static_cast<double>(ValSingle(Text("txtFlueTempRise"))) +
                            ValSingle(Text("txtAmbientTemp")) + 460.0);

  const float bl =
      ToSingle(29.9178571428571 - 0.00107896428571429 * alt + 1.455357142857e-08 * alt * alt);
  const float rho = ToSingle(Div(bl, tm) * 1.325);
  double v, q;
  if (!Induced()) {
    // 576 turns square inches into square feet; 11309.724 is 3600 * 3.14159.
    v = Checked(Div(static_cast<double>(i_) * m_ / 1000.0 * 576.0,
                    11309.724 * rho * s * s) * 60.0);
    q = Checked(5.2 * s * s * Sqrt(Div(static_cast<double>(tm) * dp,
                                       static_cast<double>(k) * bl)));
  } else {
    // The fan moves the flue gas of the unadjusted input.
    q = Checked(m_ / 1000.0 * Div(1.0, rho) * (btu / 60.0));
    const double radius_feet = s / 12.0 / 2.0;
    v = Div(q, 3.14159 * (radius_feet * radius_feet));
  }
  steps_.Section("Flue gas (read back from S, dP and K as shown)");
  steps_.Step("Local barometric pressure Bl", "Inches Mercury",
              "Bl = 29.9178571428571 - 0.00107896428571429 * Alt + 0.00000001455357142857 * Alt^2",
              bl);
  steps_.Step("Flue gas density rho", "lb/ft^3", "rho = Bl / Tm * 1.325", rho);
  if (!Induced()) {
    steps_.Step("Flue gas velocity V", "Ft/Min",
                "V = I * M / 1000 * 576 / (11309.724 * rho * S^2) * 60", v);
    steps_.Step("Flue gas volume flow Q", "CFM", "Q = 5.2 * S^2 * sqrt(Tm * dP / (K * Bl))", q);
  } else {
    steps_.Step("Flue gas volume flow Q", "CFM",
                "Q = M / 1000 / rho * BTU / 60 (the fan moves the unadjusted input)", q);
    steps_.Step("Flue gas velocity V", "Ft/Min", "V = Q / (3.14159 * (S / 24)^2)", v);
  }
  steps_.Show("lblLocalBarometricPressure", bl, "Bl to 2 decimals");
  steps_.Show("lblFlueGasDensity", rho, "rho to 5 decimals");
  steps_.Show("lblFlueGasVelocity", v, "V to a whole number");
  steps_.Show("lblFlueGasVolume", q, "Q to a whole number");
}

void FrmSizing::Pressure_Loss() {
  const float k = ValSingle(Text("lblSystemK"));
  const float bl = ValSingle(Text("lblLocalBarometricPressure"));
  const float q = ValSingle(Text("lblFlueGasVolume"));
  const float s = ValSingle(Text("lblPipeDiameter"));
  const float dt = ValSingle(Text("lblTheoreticalDraft"));
  const float tamb = ValSingle(Text("txtAmbientTemp"));
  const float tm = ToSingle(static_cast<double>(ValSingle(Text("txtFlueTempRise"))) + tamb + 460.0);
  const float to = ToSingle(static_cast<double>(tamb) + 460.0);

  const double q2 = static_cast<double>(q) * q;
  const double s2 = static_cast<double>(s) * s;
  const float loss = ToSingle(Div(q2 * k * bl, kFlowSquared * (s2 * s2) * tm));
  steps_.Section("Pressure loss (read back from the rounded K, Bl, Q, S and Dt)");
  steps_.Step("Total pressure loss", kIwc, "loss = Q^2 * K * Bl / (5.2^2 * S^4 * Tm)", loss);
  steps_.Show("lblTotalSystemLosses", loss, "loss to 3 decimals");
  if (!Induced()) {
    steps_.ShowBare("lblFanRequirement", "N/A", "no induced draft");
  } else if (dt < loss) {
    steps_.Show("lblFanRequirement", ToSingle(Div((static_cast<double>(loss) - dt) * tm, to)),
                "fan = (loss - Dt) * Tm / (Ta + 460), to 3 decimals");
    steps_.Show("lblDeltaP", loss, "the fan makes up the loss: dP = loss");
  } else {
    steps_.ShowBare("lblFanRequirement", "Not Required", "Dt covers the loss");
  }
}

}  // namespace sizing
