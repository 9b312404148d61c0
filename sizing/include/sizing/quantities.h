// The vent sizing program's quantities: every input box and result label with its caption
// on the form, its unit, its report and mail lines and its name and precision on the
// calculation sheet. Rows stand in the order the report and the mail list them; the result
// rows are the thirteen result labels in the order the form lists them.
#pragma once

#include "formkit/quantity.h"

namespace sizing {

namespace quantity_columns {
using enum formkit::QuantityRole;
using formkit::kNotRounded;
inline constexpr const char* kIwc = "Inches Water Column";

// clang-format off
inline constexpr formkit::Quantity kQuantities[] = {
//  role       control                       caption on the form                 unit
//             report line                   mail line                      width  sheet name                     decimals
  {kGiven,    "txtBTU",                     "BTU Input:",                       "BTU",
              "BTU Input",                  "BTU Input:",                   30,   "BTU input"},
  {kGiven,    "txtAmbientTemp",             "Ambient Temperature:",             "F",
              "Ambient Temperature",        "Ambient Temperature:",         30,   "Ambient temperature Ta"},
  {kGiven,    "txtFlueTempRise",            "Flue Gas Temperature Rise:",       "F",
              "Flue Gas Temperature Rise",  "Flue Gas Temp Rise:",          30,   "Flue gas temperature rise dT"},
  {kGiven,    "txtCO2",                     "CO2  %:",                          "%",
              "CO2 Percentage",             "CO2 Percentage:",              30,   "CO2 percentage"},
  {kGiven,    "txtAltitude",                "Altitude",                         "Feet above Sea Level",
              "Altitude",                   "Altitude:",                    30,   "Altitude Alt"},
  {kGiven,    "txtSysHeight",               "System Vertical:",                 "Feet",
              "System Vertical",            "System Vertical:",             30,   "System vertical H"},
  {kGiven,    "txtSysLength",               "System Horizontal:",               "Feet",
              "System Horizontal",          "System Horizontal:",           30,   "System horizontal L"},
  {kGiven,    "lblBarometricPres",          "Std. Barometric Pressure:",        "Inches Mercury",
              "Barometric Pressure",        "",                             30,   "Barometric pressure B"},
  {kGiven,    "txtOutletDraft",             "Available Outlet Draft:",          kIwc,
              "Available Outlet Draft",     "Available Outlet Draft:",      30,   "Available outlet draft Po"},
  {kGiven,    "txtDiameter",                "Diameter:",                        "Inches",
              "Induced Draft Diameter",     "Induced Draft Diameter:",      30,   "Induced draft diameter Dfan"},

  {kHeadline, "lblPipeDiameter",            "Pipe Diameter:",                   "Inches",
              "Pipe diameter",              "Pipe Diameter:",               31,   "Pipe diameter S",            kNotRounded},
  {kResult,   "lblComputedSize",            "Computed Size:",                   "Inches",
              "Computed Pipe Diameter",     "Computed Pipe Diameter:",      30,   "Computed pipe diameter",     3},
  {kResult,   "lblSystemK",                 "System K:",                        "",
              "System K",                   "System K:",                    30,   "System K",                   3},
  {kResult,   "lblFlueGasDensity",          "Flue Gas Density:",                "lb/ft^3",
              "Flue Gas Density",           "Flue Gas Density:",            30,   "Flue gas density",           5},
  {kResult,   "lblTheoreticalDraft",        "Theoretical Draft:",               kIwc,
              "Theoretical Draft",          "Theoretical Draft:",           30,   "Theoretical draft",          3},
  {kResult,   "lblDeltaP",                  "Delta P:",                         kIwc,
              "Delta Pressure",             "Delta P:",                     30,   "Delta pressure",             3},
  {kResult,   "lblCO2",                     "C02 Percent:",                     "%",
              "",                           "CO2:",                         31,   "CO2 percentage",             kNotRounded},
  {kResult,   "lblCombustionMass",          "Combustion Products Mass:",        "lb/1000BTU",
              "Combustion Mass",            "Combustion Mass:",             30,   "Combustion mass M",          3},
  {kResult,   "lblFlueGasVolume",           "Flue Gas Volume Flow (CFM):",      "CFM",
              "Flue Gas Volume Flow",       "Flue Gas Volume:",             30,   "Flue gas volume flow",       0},
  {kResult,   "lblFlueGasVelocity",         "Flue Gas Velocity:",               "Ft/Min",
              "Flue Gas Velocity",          "Flue Gas Velocity:",           30,   "Flue gas velocity",          0},
  {kResult,   "lblTotalSystemLosses",       "Total System Pressure Losses:",    kIwc,
              "Total Pressure Loss",        "Total Pressure Loss:",         30,   "Total pressure loss",        3},
  {kResult,   "lblFanRequirement",          "Induced Draft Fan Requirements:",  kIwc,
              "Induced Fan Requirements",   "Induced Fan Requirements:",    31,   "Induced fan requirement",    3},
  {kResult,   "lblLocalBarometricPressure", "Local Barometric Pressure:",       "Inches Mercury",
              "Local Barometric Pressure",  "Local Barometric Pressure:",   30,   "Local barometric pressure",  2},
};
// clang-format on
}  // namespace quantity_columns

using quantity_columns::kQuantities;

// The thirteen result labels, in the order the form lists them.
inline constexpr auto kResultLabels =
    formkit::ResultLabels<formkit::ResultCount(kQuantities)>(kQuantities);

}  // namespace sizing
