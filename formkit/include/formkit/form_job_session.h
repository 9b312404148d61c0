// The command-line session both programs run their jobs on: one headless form, whose
// message boxes are recorded, and what the command line asks of it (the result captions, the
// report, the mail), and a job file's text put into the form and calculated. A program
// derives from it with its form type and adds how its test job is run (RunTestJob).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formkit/host.h"
#include "formkit/job_cli.h"
#include "formkit/job_file.h"

namespace formkit {

template <typename FormT>
class FormJobSession : public JobSession {
 public:
  using ReportBuilder = std::optional<Report> (*)(const FormT&, const ContactInfo&,
                                                  const std::string& date);
  using MailBuilder = MailMessage (*)(const FormT&, const std::string& contact_name);

  // `labels` are given in JobOutput's labels, `boxes` (may be empty) in its texts, both in
  // the order given. A job file is read as `job_file` says and calculated by `calculate`,
  // the form's Calculate button.
  template <typename Record>
  FormJobSession(std::vector<const char*> labels, std::vector<const char*> boxes,
                 ReportBuilder report, MailBuilder mail, const JobFile<FormT, Record>& job_file,
                 void (FormT::*calculate)())
      : labels_(std::move(labels)),
        boxes_(std::move(boxes)),
        report_(report),
        mail_(mail),
        apply_job_([job_file](FormT& form, std::string_view text) {
          return ApplyJobText(job_file, form, text);
        }),
        calculate_(calculate) {}

  std::optional<std::string> OpenAndCalculate(const std::string& file_text) override {
    if (auto why = apply_job_(form_, file_text)) return why;
    (form_.*calculate_)();
    return std::nullopt;
  }

  JobOutput Output(const std::string& job) override {
    JobOutput result{job, {}, {}, std::move(host_.messages)};
    host_.messages.clear();
    for (const char* label : labels_) result.labels.emplace_back(label, form_.Text(label));
    for (const char* box : boxes_) result.texts.emplace_back(box, form_.Text(box));
    return result;
  }

  std::optional<Report> MakeReport(const ContactInfo& contact, const std::string& date) override {
    return report_(form_, contact, date);
  }

  MailMessage MakeMail(const std::string& contact_name) override {
    return mail_(form_, contact_name);
  }

  SheetHeading Heading(const std::string& date) const override {
    return SheetHeadingOf(kSheetTitle, form_, date);
  }

  const CalcSheet* Sheet() const override {
    if constexpr (requires(const FormT& f) { f.Sheet(); })
      return &form_.Sheet();
    else
      return nullptr;
  }

 protected:
  FormT& form() { return form_; }

 private:
  RecordingHost host_;
  FormT form_{host_};
  std::vector<const char*> labels_;
  std::vector<const char*> boxes_;
  ReportBuilder report_;
  MailBuilder mail_;
  std::function<std::optional<std::string>(FormT&, std::string_view)> apply_job_;
  void (FormT::*calculate_)();
};

}  // namespace formkit
