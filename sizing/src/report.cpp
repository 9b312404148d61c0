#include "sizing/report.h"

#include "formkit/fault.h"
#include "formkit/pipe_tables.h"
#include "formkit/report_sections.h"
#include "formkit/report_contact.h"
#include "sizing/fuels.h"

namespace sizing {
namespace {

using formkit::ReportWriter;
using formkit::ValueLine;


using formkit::MailQuantity;
using formkit::ReportQuantity;

constexpr ReportQuantity kGiven[] = {
    {"BTU Input", "txtBTU", "BTU"},
    {"Ambient Temperature", "txtAmbientTemp", "F"},
    {"Flue Gas Temperature Rise", "txtFlueTempRise", "F"},
    {"CO2 Percentage", "txtCO2", "%"},
    {"Altitude", "txtAltitude", "Feet above Sea Level"},
    {"System Vertical", "txtSysHeight", "Feet"},
    {"System Horizontal", "txtSysLength", "Feet"},
    {"Barometric Pressure", "lblBarometricPres", "Inches Mercury"},
    {"Available Outlet Draft", "txtOutletDraft", "Inches Water Column"},
    {"Induced Draft Diameter", "txtDiameter", "Inches"},
};

constexpr ReportQuantity kCalculated[] = {
    {"Computed Pipe Diameter", "lblComputedSize", "Inches"},
    {"System K", "lblSystemK", ""},
    {"Flue Gas Density", "lblFlueGasDensity", "lb/ft^3"},
    {"Theoretical Draft", "lblTheoreticalDraft", "Inches Water Column"},
    {"Delta Pressure", "lblDeltaP", "Inches Water Column"},
    {"Combustion Mass", "lblCombustionMass", "lb/1000BTU"},
    {"Flue Gas Volume Flow", "lblFlueGasVolume", "CFM"},
    {"Flue Gas Velocity", "lblFlueGasVelocity", "Ft/Min"},
    {"Total Pressure Loss", "lblTotalSystemLosses", "Inches Water Column"},
    {"Induced Fan Requirements", "lblFanRequirement", "Inches Water Column"},
    {"Local Barometric Pressure", "lblLocalBarometricPressure", "Inches Mercury"},
};

size_t Characters(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

std::string FuelName(int position) {
  const auto fuels = Fuels();
  if (position < 0 || position >= static_cast<int>(fuels.size())) return "N/A";
  return std::string(fuels[position].name);
}

std::optional<formkit::Report> BuildReport(const FrmSizing& form,
                                           const formkit::ContactInfo& contact,
                                           const std::string& date) {
  try {
    ReportWriter w;
    w.Font(formkit::kReportSans).Size(10).EmptyLines(2);
    formkit::ContactBlock(w, contact, date);

    formkit::ReportSection(w, "Given Information");
    formkit::ReportCustomer(w, form);
    const std::string fuel = FuelName(form.At("cmbFuelType").value);
    w.Zone().Print("Fuel Type").Column(56 - static_cast<int>(Characters(fuel))).Print(fuel).EndLine();
    formkit::ReportQuantities(w, form, kGiven);
    formkit::ReportFittings(w, form, formkit::VentFittings());

    w.EmptyLines(1);
    formkit::ReportSection(w, "Calculated Information");
    w.Bold(true);
    ValueLine(w, "Pipe diameter", form.Text("lblPipeDiameter"), "Inches");
    w.Bold(false);
    formkit::ReportQuantities(w, form, kCalculated);

    w.EmptyLines(1);
    w.Zone().Print("All computations contained herein are based on data provided").EndLine();
    w.Zone().Print("in the 2012 ASHRAE HANDBOOK HVAC Systems and Equipment ").EndLine();
    return w.Finish();
  } catch (const formkit::Fault&) {
    return std::nullopt;
  }
}

formkit::MailMessage BuildMail(const FrmSizing& form, const std::string& contact_name) {
  std::string body = formkit::MailSenderLine(contact_name);
  body += formkit::MailLine("Customer:", form.Text("txtCustomer"));
  body += formkit::MailLine("Job Description:", form.Text("txtJobDescription"));
  body += "\r\n";
  body += formkit::MailLine("Fuel Type:", FuelName(form.At("cmbFuelType").value));
  static constexpr MailQuantity kInputs[] = {
      {"BTU Input:", "txtBTU"},
      {"Ambient Temperature:", "txtAmbientTemp"},
      {"Flue Gas Temp Rise:", "txtFlueTempRise"},
      {"CO2 Percentage:", "txtCO2"},
      {"Altitude:", "txtAltitude"},
      {"System Vertical:", "txtSysHeight"},
      {"System Horizontal:", "txtSysLength"},
      {"Available Outlet Draft:", "txtOutletDraft"},
      {"Induced Draft Diameter:", "txtDiameter"},
      {"90 Tee:", "txt90T"},
      {"90 Wye:", "txt90Y"},
      {"90 Elbow:", "txt90L"},
      {"45 Tee:", "txt45T"},
      {"45 Elbow:", "txt45L"},
      {"30 Elbow:", "txt30L"},
      {"Tapered Increaser:", "txtTaperedIncreaser"},
      {"Step Increaser:", "txtStepIncreaser"},
      {"Exit Cone:", "txtExitCone"},
      {"Stack Cap:", "txtStackCap"},
      {"Drain Section:", "txtDrainSection"},
      {"Lined Bellow:", "txtLinedBellows"},
      {"Draft Hood:", "txtDraftHood"},
      {"Barometric Damper:", "txtBarometricDamper"},
      {"Muffler:", "txtMuffler"},
  };
  body += formkit::MailQuantities(form, kInputs);
  body += " \r\n";
  body += "*** CALCULATED DATA *** \r\n";
  static constexpr MailQuantity kResults[] = {
      {"Pipe Diameter:", "lblPipeDiameter", 31},
      {"Computed Pipe Diameter:", "lblComputedSize", 30},
      {"System K:", "lblSystemK", 30},
      {"Flue Gas Density:", "lblFlueGasDensity", 30},
      {"Theoretical Draft:", "lblTheoreticalDraft", 30},
      {"Delta P:", "lblDeltaP", 30},
      {"CO2:", "lblCO2", 31},
      {"Combustion Mass:", "lblCombustionMass", 30},
      {"Flue Gas Volume:", "lblFlueGasVolume", 30},
      {"Flue Gas Velocity:", "lblFlueGasVelocity", 30},
      {"Total Pressure Loss:", "lblTotalSystemLosses", 30},
      {"Induced Fan Requirements:", "lblFanRequirement", 31},
      {"Local Barometric Pressure:", "lblLocalBarometricPressure", 30},
  };
  body += formkit::MailQuantities(form, kResults);
  body += "\r\n";
  body += "All computations contained herein are based on data provided in the 2012 ASHRAE "
          "HANDBOOK HVAC Systems and Equipment \r\n";
  return {kMailSubject, body};
}

}  // namespace sizing
