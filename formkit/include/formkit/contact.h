// The "Prepared by" contact details both sizing programs keep in contact.dat, in the
// current directory: one record of eleven texts.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace formkit {

inline constexpr const char* kContactFile = "contact.dat";

// The text boxes of the contact dialog, in record order.
inline constexpr std::array<const char*, 11> kContactControls = {
    "txtName", "txtCompany", "txtAddress1", "txtAddress2", "txtCity",   "txtState",
    "txtZip",  "txtPhone",   "txtFax",      "txtEMail",    "txtWebSite"};

struct ContactInfo {
  std::array<std::string, 11> fields;  // in kContactControls order
  const std::string& name() const { return fields[0]; }
  const std::string& company() const { return fields[1]; }
  const std::string& address1() const { return fields[2]; }
  const std::string& address2() const { return fields[3]; }
  const std::string& city() const { return fields[4]; }
  const std::string& state() const { return fields[5]; }
  const std::string& zip() const { return fields[6]; }
  const std::string& phone() const { return fields[7]; }
  const std::string& fax() const { return fields[8]; }
  const std::string& email() const { return fields[9]; }
  const std::string& web_site() const { return fields[10]; }
};

// Reads records until the end of the file and gives the last one read; an empty file gives
// eleven empty texts. None when the file is missing or cannot be read, or when its last
// record is cut short.
std::optional<ContactInfo> ReadContactFile(const std::string& path = kContactFile);
// Replaces the file with one record; the old file survives a failed write.
bool WriteContactFile(const ContactInfo& contact, const std::string& path = kContactFile,
                      std::string* error = nullptr);

}  // namespace formkit
