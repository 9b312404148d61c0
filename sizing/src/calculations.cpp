// The vent sizing calculation.
//
// Stored values have the precision of the variables they were held in (single unless noted);
// intermediate arithmetic is double. Later steps read earlier results back from the label
// captions, so the rounding of what is displayed is part of the arithmetic. Any arithmetic
// fault ends the calculation where it happens (formkit::Fault), leaving the labels not yet
// written as they were.
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
using formkit::NumberText;
using formkit::RoundHalfEven;
using formkit::Sqrt;
using formkit::ToSingle;
using formkit::ValSingle;

// 5.2 * 5.2, as the double product.
constexpr double kFlowSquared = 5.2 * 5.2;

}  // namespace

double FrmSizing::DiameterFor(float delta_p, float barometric, float tm, float k) const {
  const double driving = Checked(static_cast<double>(i_) * m_ / 413000.0);
  const double draft = Sqrt(Div(static_cast<double>(delta_p) * barometric,
                                static_cast<double>(tm) * k));
  return Sqrt(Div(driving, draft));
}

void FrmSizing::Calcualtions() {
  sheet_.Clear();
  try {
    sheet_.Section("Inputs as the calculation read them");
    const float tamb = ValSingle(Text("txtAmbientTemp"));
    sheet_.Input("Ambient temperature Ta", NumberText(tamb), "F", Text("txtAmbientTemp"));
    const float rise = ValSingle(Text("txtFlueTempRise"));
    sheet_.Input("Flue gas temperature rise dT", NumberText(rise), "F", Text("txtFlueTempRise"));
    const float h = ValSingle(Text("txtSysHeight"));
    sheet_.Input("System vertical H", NumberText(h), "Feet", Text("txtSysHeight"));
    const float l = ValSingle(Text("txtSysLength"));
    sheet_.Input("System horizontal L", NumberText(l), "Feet", Text("txtSysLength"));
    const float b = ValSingle(Text("lblBarometricPres"));
    sheet_.Input("Barometric pressure B", NumberText(b), "Inches Mercury", Text("lblBarometricPres"));
    const float po = ValSingle(Text("txtOutletDraft"));
    sheet_.Input("Available outlet draft Po", NumberText(po), "Inches Water Column",
                 Text("txtOutletDraft"));
    SheetChoices();

    ValueCheck();
    combinedvent();
    combinedventinduceddraft();

    CombustionMass();
    CalculateI();

    // Theoretical draft; 460 turns degrees Fahrenheit into Rankine.
    const double inverse_ambient = Div(1.0, static_cast<double>(tamb) + 460.0);
    const double inverse_flue = Div(1.0, static_cast<double>(tamb) + rise + 460.0);
    float dt = ToSingle((inverse_ambient - inverse_flue) * b * 0.2554 * h);
    float dp = ToSingle(static_cast<double>(po) + dt);
    const float tm = ToSingle(static_cast<double>(tamb) + rise + 460.0);
    sheet_.Section("Theoretical draft");
    sheet_.Add({"Theoretical draft Dt", NumberText(dt), "Inches Water Column",
                "Dt = (1 / (Ta + 460) - 1 / (Ta + dT + 460)) * B * 0.2554 * H", "", ""});
    sheet_.Add({"Available draft dP", NumberText(dp), "Inches Water Column", "dP = Po + Dt", "", ""});
    sheet_.Add({"Mean flue gas temperature Tm", NumberText(tm), "R", "Tm = Ta + dT + 460", "", ""});

    const float draft_hood = ValSingle(Text("txtDraftHood"));
    float k = draft_hood > 0 ? 7.5f : 5.0f;
    // The sum every pass uses, on the sheet before them; the passes compute it themselves.
    formkit::SheetFittings(sheet_, *this, formkit::VentFittings());
    sheet_.Section("Iteration of diameter and system K (three passes)");
    sheet_.Add({"Starting K", NumberText(k), "", "K = 7.5 with a draft hood, else 5", "", ""});
    const std::string diameter_formula =
        Induced() ? "D = the induced draft diameter"
                  : "D = sqrt(I * M / 413000 / sqrt(dP * B / (Tm * K)))";
    const std::string k_formula = std::string("K = (L + H) / S * 0.4 + Kf") +
                                  (Combined() ? ", times 1.5 for a combined vent" : "");
    // Exactly three passes; the K of the third is the system K.
    for (int pass = 0; pass < 3; ++pass) {
      d_ = DiameterFor(dp, b, tm, k);
      if (Induced()) d_ = ValSingle(Text("txtDiameter"));
      const std::string n = std::to_string(pass + 1);
      sheet_.Add({"Pass " + n + " diameter D", NumberText(d_), "Inches", diameter_formula, "", ""});
      StandardDiameter();
      sheet_.Add({"Pass " + n + " standard size S", Text("lblPipeDiameter"), "Inches",
                  "S = the first standard diameter not below D", "", ""});
      const float s = ValSingle(Text("lblPipeDiameter"));
      k = ToSingle(Div(static_cast<double>(l) + h, s) * 0.4);
      FittingsK();
      k = ToSingle(static_cast<double>(k) + kf_);
      if (Combined()) k = ToSingle(static_cast<double>(k) * 1.5);
      sheet_.Add({"Pass " + n + " system K", NumberText(k), "", k_formula, "", ""});
    }
    d_ = DiameterFor(dp, b, tm, k);
    if (Induced()) d_ = ValSingle(Text("txtDiameter"));
    sheet_.Add({"Final diameter D", NumberText(d_), "Inches", diameter_formula, "", ""});

    d_ = RoundHalfEven(d_, 3);
    dt = RoundHalfEven(dt, 3);
    dp = RoundHalfEven(dp, 3);
    k = RoundHalfEven(k, 3);

    sheet_.Section("Final rounding (to 3 decimals, an exact half to even)");
    SetText("lblComputedSize", NumberText(d_));
    sheet_.Add({"Computed pipe diameter", NumberText(d_), "Inches", "D rounded", "", "lblComputedSize"});
    SetText("lblTheoreticalDraft", NumberText(dt));
    sheet_.Add({"Theoretical draft", NumberText(dt), "Inches Water Column", "Dt rounded", "",
                "lblTheoreticalDraft"});
    SetText("lblDeltaP", NumberText(dp));
    sheet_.Add({"Delta pressure", NumberText(dp), "Inches Water Column", "dP rounded", "", "lblDeltaP"});
    SetText("lblCO2", Text("txtCO2"));
    sheet_.Add({"CO2 percentage", Text("txtCO2"), "%", "the CO2 text as given", "", "lblCO2"});
    SetText("lblSystemK", NumberText(k));
    sheet_.Add({"System K", NumberText(k), "", "K rounded", "", "lblSystemK"});

    StandardDiameter();
    sheet_.Add({"Pipe diameter S", Text("lblPipeDiameter"), "Inches",
                "S = the first standard diameter not below the computed one", "", "lblPipeDiameter"});
    GasDensity();
    Pressure_Loss();
  } catch (const formkit::Fault& fault) {
    // The calculation ends silently; what was written stays. The sheet says where and why.
    const std::string where = sheet_.sections().empty() ? "" : sheet_.sections().back().title;
    sheet_.Section("Stopped");
    sheet_.Note("The calculation stopped in \"" + where + "\" after the last value above: " +
                fault.what() + ". The result labels not written by then keep what they showed.");
  }
}

void FrmSizing::SheetChoices() {
  const int fuel = At("cmbFuelType").value;
  const auto fuels = Fuels();
  sheet_.Add({"Fuel type", "", "", "", "", ""}).value =
      fuel >= 0 && fuel < static_cast<int>(fuels.size()) ? fuels[fuel].name : "N/A";
  sheet_.Add({"Induced draft", Induced() ? "Yes" : "No", "", "", "", ""});
  if (Induced()) {
    // Read here for the sheet only: a text that cannot be read stops the passes that use it.
    const std::string& text = Text("txtDiameter");
    try {
      sheet_.Input("Induced draft diameter Dfan", NumberText(ValSingle(text)), "Inches", text);
    } catch (const formkit::Fault&) {
      sheet_.Add({"Induced draft diameter Dfan", "", "Inches", "cannot be read as a number",
                  "\"" + text + "\"", ""});
    }
  }
  sheet_.Add({"Combined vent", Combined() ? "Yes" : "No", "", "",
              "", ""}).formula = Combined() ? "the system K of every pass is taken 1.5 times" : "";
}

void FrmSizing::CalculateI() {
  const float alt = ValSingle(Text("txtAltitude"));
  const float btu = ValSingle(Text("txtBTU"));
  const float factor = ToSingle(0.990476190476191 + alt * 4.4571428571e-05);
  i_ = ToSingle(static_cast<double>(btu) * factor);
  sheet_.Input("Altitude Alt", NumberText(alt), "Feet above Sea Level", Text("txtAltitude"));
  sheet_.Input("BTU input", NumberText(btu), "BTU", Text("txtBTU"));
  sheet_.Add({"Altitude factor F", NumberText(factor), "",
              "F = 0.990476190476191 + Alt * 0.000044571428571", "", ""});
  sheet_.Add({"Adjusted input I", NumberText(i_), "BTU", "I = BTU * F", "", ""});
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
      sheet_.Input("CO2 percentage", NumberText(*co2), "%", Text("txtCO2"));
      sheet_.Add({"Fuel constant p (" + std::string(fuel.name) + ")", NumberText(fuel.p), "", "", "", ""});
      sheet_.Add({"Fuel constant q", NumberText(fuel.q), "", "", "", ""});
      sheet_.Add({"Fuel constant r", NumberText(fuel.r), "", "", "", ""});
    }
    m_ = RoundHalfEven(m_, 3);
    SetText("lblCombustionMass", NumberText(m_));
    sheet_.Add({"Combustion mass M", NumberText(m_), "lb/1000BTU",
                "M = (p / CO2 + q) * r, rounded to 3 decimals", "", "lblCombustionMass"});
  } catch (const formkit::Fault& fault) {
    sheet_.Note("Combustion mass M not calculated (" + std::string(fault.what()) +
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

  float bl = ToSingle(29.9178571428571 - 0.00107896428571429 * alt +
                      1.455357142857e-08 * alt * alt);
  float rho = ToSingle(Div(bl, tm) * 1.325);
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
  sheet_.Section("Flue gas (read back from S, dP and K as shown)");
  sheet_.Add({"Local barometric pressure Bl", NumberText(bl), "Inches Mercury",
              "Bl = 29.9178571428571 - 0.00107896428571429 * Alt + 0.00000001455357142857 * Alt^2",
              "", ""});
  sheet_.Add({"Flue gas density rho", NumberText(rho), "lb/ft^3", "rho = Bl / Tm * 1.325", "", ""});
  if (!Induced()) {
    sheet_.Add({"Flue gas velocity V", NumberText(v), "Ft/Min",
                "V = I * M / 1000 * 576 / (11309.724 * rho * S^2) * 60", "", ""});
    sheet_.Add({"Flue gas volume flow Q", NumberText(q), "CFM",
                "Q = 5.2 * S^2 * sqrt(Tm * dP / (K * Bl))", "", ""});
  } else {
    sheet_.Add({"Flue gas volume flow Q", NumberText(q), "CFM",
                "Q = M / 1000 / rho * BTU / 60 (the fan moves the unadjusted input)", "", ""});
    sheet_.Add({"Flue gas velocity V", NumberText(v), "Ft/Min", "V = Q / (3.14159 * (S / 24)^2)",
                "", ""});
  }
  bl = RoundHalfEven(bl, 2);
  rho = RoundHalfEven(rho, 5);
  v = RoundHalfEven(v, 0);
  q = RoundHalfEven(q, 0);
  SetText("lblLocalBarometricPressure", NumberText(bl));
  sheet_.Add({"Local barometric pressure", NumberText(bl), "Inches Mercury", "Bl to 2 decimals", "",
              "lblLocalBarometricPressure"});
  SetText("lblFlueGasDensity", NumberText(rho));
  sheet_.Add({"Flue gas density", NumberText(rho), "lb/ft^3", "rho to 5 decimals", "",
              "lblFlueGasDensity"});
  SetText("lblFlueGasVelocity", NumberText(v));
  sheet_.Add({"Flue gas velocity", NumberText(v), "Ft/Min", "V to a whole number", "",
              "lblFlueGasVelocity"});
  SetText("lblFlueGasVolume", NumberText(q));
  sheet_.Add({"Flue gas volume flow", NumberText(q), "CFM", "Q to a whole number", "",
              "lblFlueGasVolume"});
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
  sheet_.Section("Pressure loss (read back from the rounded K, Bl, Q, S and Dt)");
  sheet_.Add({"Total pressure loss", NumberText(loss), "Inches Water Column",
              "loss = Q^2 * K * Bl / (5.2^2 * S^4 * Tm)", "", ""});
  SetText("lblTotalSystemLosses", NumberText(RoundHalfEven(loss, 3)));
  sheet_.Add({"Total pressure loss", NumberText(RoundHalfEven(loss, 3)), "Inches Water Column",
              "loss to 3 decimals", "", "lblTotalSystemLosses"});
  if (Induced()) {
    if (dt < loss) {
      const float fan = ToSingle(Div((static_cast<double>(loss) - dt) * tm, to));
      SetText("lblFanRequirement", NumberText(RoundHalfEven(fan, 3)));
      sheet_.Add({"Induced fan requirement", NumberText(RoundHalfEven(fan, 3)),
                  "Inches Water Column", "fan = (loss - Dt) * Tm / (Ta + 460), to 3 decimals", "",
                  "lblFanRequirement"});
      SetText("lblDeltaP", NumberText(RoundHalfEven(loss, 3)));
      sheet_.Add({"Delta pressure", NumberText(RoundHalfEven(loss, 3)), "Inches Water Column",
                  "the fan makes up the loss: dP = loss", "", "lblDeltaP"});
    } else {
      SetText("lblFanRequirement", "Not Required");
      sheet_.Add({"Induced fan requirement", "Not Required", "", "Dt covers the loss", "",
                  "lblFanRequirement"});
    }
  } else {
    SetText("lblFanRequirement", "N/A");
    sheet_.Add({"Induced fan requirement", "N/A", "", "no induced draft", "", "lblFanRequirement"});
  }
}

}  // namespace sizing
