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
  try {
    const float tamb = ValSingle(Text("txtAmbientTemp"));
    const float rise = ValSingle(Text("txtFlueTempRise"));
    const float h = ValSingle(Text("txtSysHeight"));
    const float l = ValSingle(Text("txtSysLength"));
    const float b = ValSingle(Text("lblBarometricPres"));
    const float po = ValSingle(Text("txtOutletDraft"));

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

    float k = ValSingle(Text("txtDraftHood")) > 0 ? 7.5f : 5.0f;
    // Exactly three passes; the K of the third is the system K.
    for (int pass = 0; pass < 3; ++pass) {
      d_ = DiameterFor(dp, b, tm, k);
      if (Induced()) d_ = ValSingle(Text("txtDiameter"));
      StandardDiameter();
      const float s = ValSingle(Text("lblPipeDiameter"));
      k = ToSingle(Div(static_cast<double>(l) + h, s) * 0.4);
      FittingsK();
      k = ToSingle(static_cast<double>(k) + kf_);
      if (Combined()) k = ToSingle(static_cast<double>(k) * 1.5);
    }
    d_ = DiameterFor(dp, b, tm, k);
    if (Induced()) d_ = ValSingle(Text("txtDiameter"));

    d_ = RoundHalfEven(d_, 3);
    dt = RoundHalfEven(dt, 3);
    dp = RoundHalfEven(dp, 3);
    k = RoundHalfEven(k, 3);

    SetText("lblComputedSize", NumberText(d_));
    SetText("lblTheoreticalDraft", NumberText(dt));
    SetText("lblDeltaP", NumberText(dp));
    SetText("lblCO2", Text("txtCO2"));
    SetText("lblSystemK", NumberText(k));

    StandardDiameter();
    GasDensity();
    Pressure_Loss();
  } catch (const formkit::Fault&) {
    // The calculation ends silently; what was written stays.
  }
}

void FrmSizing::CalculateI() {
  const float alt = ValSingle(Text("txtAltitude"));
  const float btu = ValSingle(Text("txtBTU"));
  const float factor = ToSingle(0.990476190476191 + alt * 4.4571428571e-05);
  i_ = ToSingle(static_cast<double>(btu) * factor);
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
    }
    m_ = RoundHalfEven(m_, 3);
    SetText("lblCombustionMass", NumberText(m_));
  } catch (const formkit::Fault&) {
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
  bl = RoundHalfEven(bl, 2);
  rho = RoundHalfEven(rho, 5);
  v = RoundHalfEven(v, 0);
  q = RoundHalfEven(q, 0);
  SetText("lblLocalBarometricPressure", NumberText(bl));
  SetText("lblFlueGasDensity", NumberText(rho));
  SetText("lblFlueGasVelocity", NumberText(v));
  SetText("lblFlueGasVolume", NumberText(q));
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
  SetText("lblTotalSystemLosses", NumberText(RoundHalfEven(loss, 3)));
  if (Induced()) {
    if (dt < loss) {
      const float fan = ToSingle(Div((static_cast<double>(loss) - dt) * tm, to));
      SetText("lblFanRequirement", NumberText(RoundHalfEven(fan, 3)));
      SetText("lblDeltaP", NumberText(RoundHalfEven(loss, 3)));
    } else {
      SetText("lblFanRequirement", "Not Required");
    }
  } else {
    SetText("lblFanRequirement", "N/A");
  }
}

}  // namespace sizing
