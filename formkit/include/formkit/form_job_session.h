// The command-line session both programs run their jobs on: one headless form, whose
// message boxes are recorded, and what the command line asks of it (the result captions, the
// report, the mail). A program derives from it with its form type and adds how a job is
// filled in and calculated (RunTestJob, OpenAndCalculate).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formkit/host.h"
#include "formkit/job_cli.h"

namespace formkit {

template <typename FormT>
class FormJobSession : public JobSession {
 public:
  using ReportBuilder = std::optional<Report> (*)(const FormT&, const ContactInfo&,
                                                  const std::string& date);
  using MailBuilder = MailMessage (*)(const FormT&, const std::string& contact_name);

  // `labels` are given in JobOutput's labels, `boxes` (may be empty) in its texts, both in
  // the order given.
  FormJobSession(std::vector<const char*> labels, std::vector<const char*> boxes,
                 ReportBuilder report, MailBuilder mail)
      : labels_(std::move(labels)), boxes_(std::move(boxes)), report_(report), mail_(mail) {}

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
};

}  // namespace formkit
