#include "exhaust/cli.h"

#include <functional>
#include <optional>
#include <utility>

#include "exhaust/frm_exhaust.h"
#include "exhaust/job_record.h"
#include "exhaust/report.h"
#include "formkit/contact.h"
#include "formkit/host.h"
#include "formkit/text_io.h"

namespace exhaust {
namespace {

constexpr int kFailed = 1;
constexpr int kUnreadableJob = 2;
constexpr int kUsageError = 64;

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Options {
  std::string command;
  bool json = false;
  bool test_job = false;
  bool text = false;
  bool print = false;
  std::optional<std::string> pdf;
  std::vector<std::string> jobs;
};

struct JobResult {
  std::string job;
  Pairs labels;
  Pairs texts;
  std::vector<formkit::RecordingHost::Message> messages;
};

std::optional<Options> Parse(const std::vector<std::string>& args, std::ostream& err) {
  Options o;
  o.command = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--test-job") {
      o.test_job = true;
    } else if (a == "--json" && o.command == "calc") {
      o.json = true;
    } else if (a == "--text" && o.command == "report") {
      o.text = true;
    } else if (a == "--pdf" && o.command == "report") {
      if (i + 1 >= args.size()) {
        err << "exhaust: --pdf needs a value\n";
        return std::nullopt;
      }
      o.pdf = args[++i];
    } else if (a == "--print" && o.command == "mail") {
      o.print = true;
    } else if (a.size() > 1 && a[0] == '-') {
      err << "exhaust " << o.command << ": unknown option '" << a << "'\n";
      return std::nullopt;
    } else {
      o.jobs.push_back(a);
    }
  }
  if (o.command == "calc") {
    if (o.test_job == !o.jobs.empty()) {
      err << "exhaust calc: give job files or --test-job (not both)\n";
      return std::nullopt;
    }
    return o;
  }
  if (o.jobs.size() + (o.test_job ? 1 : 0) != 1) {
    err << "exhaust " << o.command << ": give one job file or --test-job\n";
    return std::nullopt;
  }
  if (o.command == "report" && o.text == o.pdf.has_value()) {
    err << "exhaust report: give --pdf OUT.pdf or --text\n";
    return std::nullopt;
  }
  return o;
}

JobResult Collect(const std::string& job, const FrmExhaust& form, formkit::RecordingHost& host) {
  JobResult result{job, {}, {}, std::move(host.messages)};
  host.messages.clear();
  for (const char* label : kResultLabels) result.labels.emplace_back(label, form.Text(label));
  for (const char* box : kJobBoxes) result.texts.emplace_back(box, form.Text(box));
  return result;
}

void PrintJsonObject(const Pairs& pairs, std::ostream& out) {
  out << "{";
  for (size_t i = 0; i < pairs.size(); ++i)
    out << (i ? ", " : "") << formkit::JsonString(pairs[i].first) << ": "
        << formkit::JsonString(pairs[i].second);
  out << "}";
}

void PrintJson(const std::vector<JobResult>& results, std::ostream& out) {
  out << "[";
  for (size_t j = 0; j < results.size(); ++j) {
    const JobResult& r = results[j];
    out << (j ? ",\n " : "") << "{\"job\": " << formkit::JsonString(r.job) << ", \"labels\": ";
    PrintJsonObject(r.labels, out);
    out << ", \"texts\": ";
    PrintJsonObject(r.texts, out);
    out << ", \"messages\": [";
    for (size_t i = 0; i < r.messages.size(); ++i)
      out << (i ? ", " : "") << "{\"caption\": " << formkit::JsonString(r.messages[i].caption)
          << ", \"text\": " << formkit::JsonString(r.messages[i].text) << "}";
    out << "]}";
  }
  out << "]\n";
}

void PrintText(const std::vector<JobResult>& results, std::ostream& out) {
  for (const JobResult& r : results) {
    out << r.job << "\n";
    for (const auto& [label, text] : r.labels)
      out << "  " << label << std::string(28 - label.size(), ' ') << formkit::JsonString(text)
          << "\n";
    for (const auto& message : r.messages)
      out << "  message " << formkit::JsonString(message.caption) << ": "
          << formkit::JsonString(message.text) << "\n";
  }
}

// Runs the jobs of `o` in order on one form, calculating each; `each` sees the form after
// every job.
using EachJob = std::function<void(const std::string&, FrmExhaust&, formkit::RecordingHost&)>;
int RunJobs(const Options& o, std::ostream& err, const EachJob& each) {
  formkit::RecordingHost host;
  FrmExhaust form(host);
  int status = 0;
  if (o.test_job) {
    form.cmdTest1_Click();
    form.cmdCalc_Click();
    each("--test-job", form, host);
  }
  for (const std::string& path : o.jobs) {
    const auto text = formkit::ReadTextFile(path);
    if (!text) {
      err << "exhaust: " << path << ": cannot be read\n";
      status = kUnreadableJob;
      continue;
    }
    const auto job = ReadJobRecord(*text);
    if (!job) {
      err << "exhaust: " << path << ": not an exhaust job (it needs 20 fields)\n";
      status = kUnreadableJob;
      continue;
    }
    ApplyJobRecord(form, *job);
    form.cmdCalc_Click();
    each(path, form, host);
  }
  return status;
}

int Calc(const Options& o, std::ostream& out, std::ostream& err) {
  std::vector<JobResult> results;
  const int status = RunJobs(o, err, [&](const std::string& job, FrmExhaust& form,
                                         formkit::RecordingHost& host) {
    results.push_back(Collect(job, form, host));
  });
  if (o.json)
    PrintJson(results, out);
  else
    PrintText(results, out);
  return status;
}

int Report(const Options& o, std::ostream& out, std::ostream& err, const CliServices& services) {
  int result = kFailed;
  const int status = RunJobs(o, err, [&](const std::string&, FrmExhaust& form,
                                         formkit::RecordingHost&) {
    const auto contact = formkit::ReadContactFile();
    const std::string date = services.report_date.empty() ? ReportDate() : services.report_date;
    const auto report = contact ? BuildReport(form, *contact, date) : std::nullopt;
    if (!report) {
      err << "exhaust: " << kReportError << "\n";
      return;
    }
    if (o.text) {
      out << formkit::ReportText(*report);
      result = 0;
      return;
    }
    std::string error;
    if (!services.write_pdf) {
      err << "exhaust: PDF output is not available here\n";
    } else if (!services.write_pdf(*report, *o.pdf, &error)) {
      err << "exhaust: " << *o.pdf << ": " << error << "\n";
    } else {
      result = 0;
    }
  });
  return status != 0 ? status : result;
}

int Mail(const Options& o, std::ostream& out, std::ostream& err, const CliServices& services) {
  int result = kFailed;
  const int status = RunJobs(o, err, [&](const std::string&, FrmExhaust& form,
                                         formkit::RecordingHost&) {
    // The contact dialog loads contact.dat; without one its name box stays empty.
    const auto contact = formkit::ReadContactFile();
    const auto message = BuildMail(form, contact ? contact->name() : std::string());
    if (o.print) {
      out << message.subject << "\r\n" << message.body;
      result = 0;
      return;
    }
    formkit::ComposerMailSender composer;
    formkit::MailSender& sender = services.mail ? *services.mail : composer;
    std::string error;
    if (sender.Send(message, &error)) {
      result = 0;
    } else {
      err << "exhaust: " << kMailError << " (" << error << ")\n";
    }
  });
  return status != 0 ? status : result;
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

}  // namespace

std::string UsageText() {
  return R"(Usage: exhaust                open the engine/turbine exhaust form
       exhaust calc [--json] JOB.exh...
       exhaust calc --test-job [--json]
       exhaust report (JOB.exh | --test-job) (--pdf OUT.pdf | --text)
       exhaust mail (JOB.exh | --test-job) [--print]
       exhaust --help

calc sizes each job file as the form would: the jobs run in order on one form, as if the
user opened each and pressed Calculate, so a job that shows a message keeps the result
captions of the job before it.

report calculates the job and writes its report: --pdf draws the printed page into a PDF
file, --text writes the same layout as plain text, one line per printed line with every
item at its character column. The "Prepared by" block comes from contact.dat in the
current directory (the file the vent sizing program keeps too); without it there is no
report.

mail calculates the job and hands the results to the desktop's mail composer, where you
add the recipients; --print instead prints the subject line, CR LF, and then the body
exactly as the composer would get it (CR LF line ends kept). The sender line comes from
the name in contact.dat in the current directory.

  --test-job          fill in the built-in test job and calculate it
  --json              (calc) one JSON array with an object per job:
                      {"job": PATH, "labels": {"lblK": "4.77", ...},
                       "texts": {"txtCustomer": "...", ...},
                       "messages": [{"caption": "Missing Data", "text": "..."}]}
                      every text exactly as the form shows it; "texts" holds the twenty
                      job boxes after the calculation (a blank altitude becomes "0")

Without --json each job prints its five result captions and the message boxes it showed,
each text in quotes (leading blanks kept, line breaks as \r\n or \n\r).

Exit status: 0 on success; 1 when a report or e-mail could not be made; 2 when a job file
could not be read or holds fewer than 20 fields (the other jobs of calc still run); 64 for
a usage error.
)";
}

bool IsCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args[0];
  return first == "calc" || first == "report" || first == "mail" || IsHelp(first);
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CliServices& services) {
  if (args.empty() || IsHelp(args[0])) {
    out << UsageText();
    return 0;
  }
  if (args[0] != "calc" && args[0] != "report" && args[0] != "mail") {
    err << "exhaust: unknown command '" << args[0] << "'\nTry 'exhaust --help'.\n";
    return kUsageError;
  }
  for (const auto& a : args)
    if (a == "--help" || a == "-h") {
      out << UsageText();
      return 0;
    }
  const auto options = Parse(args, err);
  if (!options) {
    err << "Try 'exhaust --help'.\n";
    return kUsageError;
  }
  if (options->command == "report") return Report(*options, out, err, services);
  if (options->command == "mail") return Mail(*options, out, err, services);
  return Calc(*options, out, err);
}

}  // namespace exhaust
