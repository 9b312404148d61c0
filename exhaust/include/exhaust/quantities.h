// The exhaust program's quantities: every input box and result label with its caption on
// the form, its unit, its report and mail lines and its name and precision on the
// calculation sheet. Rows stand in the order the report and the mail list them.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "formkit/quantity.h"

namespace exhaust {

namespace quantity_columns {
using enum formkit::QuantityRole;
using formkit::kNotRounded;
inline constexpr const char* kIwc = "Inches Water Column";

// clang-format off
inline constexpr formkit::Quantity kQuantities[] = {
//  role       control                       caption on the form           unit
//             report line                   mail line                     width  sheet name                 decimals
  {kGiven,    "txtExhaustTemp",             "Exhaust Temperature",        "\u00b0F",
              "Exhaust Temperature",        "Exhaust Temperature:",        30,   "Exhaust Temperature T"},
  {kGiven,    "txtFlowRate",                "Exhaust Flow Rate",          "CFM",
              "Exhaust Flow Rate",          "Exhaust Flow Rate:",          30,   "Exhaust Flow Rate Q"},
  {kGiven,    "txtDropLimit",               "Back Pressure Limit",        kIwc,
              "Back Pressure Limit",        "Back Pressure Limit:",        30,   "Back Pressure Limit P"},
  {kGiven,    "txtAltitude",                "Altitude",                   "Feet above Sea Level",
              "Altitude",                   "Altitude:",                   30,   "Altitude A"},
  {kGiven,    "txtPipeLength",              "Pipe Length",                "Feet",
              "System Length",              "Pipe Length:",                30,   "Pipe Length L"},

  {kHeadline, "lblStdPipe",                 "Standard Pipe Diameter",     "Inches",
              "Pipe Diameter",              "Pipe Diameter:",              31,   "Standard pipe diameter",   kNotRounded},
  {kResult,   "lblCalcPipe",                "Calculated Pipe Diameter",   "Inches",
              "Computed Pipe Diameter",     "Computed Pipe Diameter:",     30,   "Calculated pipe diameter", 2},
  {kResult,   "lblK",                       "System K",                   "",
              "System K",                   "System K:",                   31,   "System K",                 2},
  {kResult,   "lblLocalBarometricPressure", "Local Barometric Pressure",  "Inches Mercury",
              "Local Barometric Pressure",  "Local Barometric Pressure:",  30,   "Local barometric pressure", 2},
  // The pressure drop is neither printed nor mailed.
  {kResult,   "lblActualDrop",              "Calculated Pressure Drop",   kIwc,
              "",                           "",                            30,   "Calculated pressure drop", 2},
};
// clang-format on
}  // namespace quantity_columns

using quantity_columns::kQuantities;

// The five result labels in the order the calculation lists its outputs, which is the order
// `exhaust calc` prints them in.
inline constexpr std::array<const char*, 5> kResultLabels = {
    "lblK", "lblCalcPipe", "lblStdPipe", "lblLocalBarometricPressure", "lblActualDrop"};
static_assert(std::ranges::all_of(kResultLabels,
                                  [](std::string_view label) {
                                    return std::ranges::count_if(
                                               kQuantities, [&](const formkit::Quantity& q) {
                                                 return q.IsResult() && q.control == label;
                                               }) == 1;
                                  }) &&
              formkit::ResultCount(kQuantities) == kResultLabels.size());

}  // namespace exhaust
