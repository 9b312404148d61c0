// The "Prepared by" block both programs' reports open with, and its date line.
#pragma once

#include <string>

#include "formkit/contact.h"
#include "formkit/report.h"

namespace formkit {

// The message both programs show when the report cannot be made (above all without a
// contact file).
inline constexpr const char* kReportError =
    "Error printing report, please complete Contact Information";

// Writes the block from its heading on: "Contact Information" (14 point, two zones in),
// "Prepared by:" and the name, each non-empty contact line three zones in (the city line
// when the city is given), the date line, then one empty line. Leaves the writer at 10
// point in the font it found; the empty lines before the block are the caller's.
void ContactBlock(ReportWriter& writer, const ContactInfo& contact, const std::string& date);

// Today's date as the reports print it (month/day/year, no leading zeros).
std::string ReportDate();

}  // namespace formkit
