// A program's main window over its own headless form: FormWindow with the form of type
// FormT and the functions of the program's core that save and open its jobs and make its
// report and mail. The program's window derives from it and adds its controls and menus.
#pragma once

#include <optional>
#include <string>

#include "formkit/contact.h"
#include "formkit/mail.h"
#include "formkit/report.h"
#include "formkit_qt/form_window.h"

namespace formkit {

template <typename FormT>
struct ProgramParts {
  bool (*save_job)(FormT& form, const std::string& path, std::string* error);
  bool (*open_job)(FormT& form, const std::string& path, std::string* error);
  std::optional<Report> (*build_report)(const FormT& form, const ContactInfo& contact,
                                        const std::string& date);
  MailMessage (*build_mail)(const FormT& form, const std::string& contact_name);
};

template <typename FormT>
class ProgramWindow : public FormWindow {
 public:
  FormT& form() { return form_; }

 protected:
  // The form shows its message boxes through this window.
  ProgramWindow(FormProgram program, ProgramParts<FormT> parts, QWidget* parent)
      : FormWindow(std::move(program), parent), parts_(parts), form_(static_cast<Host&>(*this)) {}
  ~ProgramWindow() override { form_.SetObserver(nullptr); }

  bool SaveJob(const std::string& path, std::string* error) override {
    return parts_.save_job(form_, path, error);
  }
  bool OpenJob(const std::string& path, std::string* error) override {
    return parts_.open_job(form_, path, error);
  }
  std::optional<Report> BuildReport(const ContactInfo& contact, const std::string& date) override {
    return parts_.build_report(form_, contact, date);
  }
  MailMessage BuildMail(const std::string& contact_name) override {
    return parts_.build_mail(form_, contact_name);
  }
  const CalcSheet* Sheet() const override { return &form_.Sheet(); }

 private:
  ProgramParts<FormT> parts_;

 protected:
  FormT form_;
};

}  // namespace formkit
