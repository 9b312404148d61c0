#include "sizing/cli.h"

#include <optional>

#include "formkit/contact.h"
#include "formkit/host.h"
#include "formkit/job_output.h"
#include "formkit/text_io.h"
#include "sizing/frm_sizing.h"
#include "sizing/job_record.h"
#include "sizing/report.h"

namespace sizing {
namespace {

constexpr int kFailed = 1;
constexpr int kUnreadableJob = 2;
constexpr int kUsageError = 64;

struct Options {
  std::string command;
  std::optional<std::string> induced_diameter;
  bool combined_vent = false;
  bool json = false;
  bool test_job = false;
  bool text = false;
  bool print = false;
  std::optional<std::string> pdf;
  std::vector<std::string> jobs;
};


std::optional<Options> Parse(const std::vector<std::string>& args, std::ostream& err) {
  Options o;
  o.command = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](const char* option) -> std::optional<std::string> {
      if (i + 1 >= args.size()) {
        err << "sizing: " << option << " needs a value\n";
        return std::nullopt;
      }
      return args[++i];
    };
    if (a == "--induced-draft") {
      if (!(o.induced_diameter = value("--induced-draft"))) return std::nullopt;
    } else if (a.rfind("--induced-draft=", 0) == 0) {
      o.induced_diameter = a.substr(16);
    } else if (a == "--combined-vent") {
      o.combined_vent = true;
    } else if (a == "--test-job") {
      o.test_job = true;
    } else if (a == "--json" && o.command == "calc") {
      o.json = true;
    } else if (a == "--text" && o.command == "report") {
      o.text = true;
    } else if (a == "--pdf" && o.command == "report") {
      if (!(o.pdf = value("--pdf"))) return std::nullopt;
    } else if (a == "--print" && o.command == "mail") {
      o.print = true;
    } else if (a.size() > 1 && a[0] == '-') {
      err << "sizing " << o.command << ": unknown option '" << a << "'\n";
      return std::nullopt;
    } else {
      o.jobs.push_back(a);
    }
  }
  if (o.command == "calc") {
    if (o.test_job == !o.jobs.empty()) {
      err << "sizing calc: give job files or --test-job (not both)\n";
      return std::nullopt;
    }
  } else {
    if (o.jobs.size() + (o.test_job ? 1 : 0) != 1) {
      err << "sizing " << o.command << ": give one job file or --test-job\n";
      return std::nullopt;
    }
    if (o.command == "report" && o.text == o.pdf.has_value()) {
      err << "sizing report: give --pdf OUT.pdf or --text\n";
      return std::nullopt;
    }
  }
  return o;
}

formkit::JobOutput Collect(const std::string& job, const FrmSizing& form,
                           formkit::RecordingHost& host) {
  formkit::JobOutput result{job, {}, {}, std::move(host.messages)};
  host.messages.clear();
  for (const char* label : kResultLabels) result.labels.emplace_back(label, form.Text(label));
  return result;
}

// Runs the jobs of `o` in order on one form; `each` sees the form after every job.
int RunJobs(const Options& o, std::ostream& err,
            const std::function<void(const std::string&, FrmSizing&, formkit::RecordingHost&)>& each) {
  formkit::RecordingHost host;
  FrmSizing form(host);
  form.Form_Load();
  if (o.induced_diameter) {
    form.SelectInducedDraft(true);
    form.SetText("txtDiameter", *o.induced_diameter);
  }
  if (o.combined_vent) form.SetValue("chkCombinedVent", 1);

  int status = 0;
  if (o.test_job) {
    form.cmdTest_Click();
    each("--test-job", form, host);
  }
  for (const std::string& path : o.jobs) {
    const auto text = formkit::ReadTextFile(path);
    if (!text) {
      err << "sizing: " << path << ": cannot be read\n";
      status = kUnreadableJob;
      continue;
    }
    const auto job = ReadJobRecord(*text);
    if (!job) {
      err << "sizing: " << path
          << ": not a sizing job (it needs 27 values and a fuel position of 0 to 5)\n";
      status = kUnreadableJob;
      continue;
    }
    ApplyJobRecord(form, *job);
    form.cmdCalculate_Click();
    each(path, form, host);
  }
  return status;
}

int Calc(const Options& o, std::ostream& out, std::ostream& err) {
  std::vector<formkit::JobOutput> results;
  const int status = RunJobs(o, err, [&](const std::string& job, FrmSizing& form,
                                         formkit::RecordingHost& host) {
    results.push_back(Collect(job, form, host));
  });
  if (o.json)
    formkit::PrintJobsJson(results, false, out);
  else
    formkit::PrintJobsText(results, out);
  return status;
}

int Report(const Options& o, std::ostream& out, std::ostream& err, const CliServices& services) {
  int result = kFailed;
  const int status = RunJobs(o, err, [&](const std::string&, FrmSizing& form,
                                         formkit::RecordingHost&) {
    const auto contact = formkit::ReadContactFile();
    const std::string date = services.report_date.empty() ? ReportDate() : services.report_date;
    const auto report = contact ? BuildReport(form, *contact, date) : std::nullopt;
    if (!report) {
      err << "sizing: " << kReportError << "\n";
      return;
    }
    if (o.text) {
      out << formkit::ReportText(*report);
      result = 0;
      return;
    }
    std::string error;
    if (!services.write_pdf) {
      err << "sizing: PDF output is not available here\n";
    } else if (!services.write_pdf(*report, *o.pdf, &error)) {
      err << "sizing: " << *o.pdf << ": " << error << "\n";
    } else {
      result = 0;
    }
  });
  return status != 0 ? status : result;
}

int Mail(const Options& o, std::ostream& out, std::ostream& err, const CliServices& services) {
  int result = kFailed;
  const int status = RunJobs(o, err, [&](const std::string&, FrmSizing& form,
                                         formkit::RecordingHost&) {
    // The contact dialog loads contact.dat; a missing file leaves its name box empty.
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
      err << "sizing: " << kMailError << " (" << error << ")\n";
    }
  });
  return status != 0 ? status : result;
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h" || a == "help"; }

}  // namespace

std::string UsageText() {
  return R"(Usage: sizing [--splash]      open the vent sizing form (on its splash form)
       sizing calc [OPTIONS] [--json] JOB.siz...
       sizing calc [OPTIONS] --test-job [--json]
       sizing report [OPTIONS] (JOB.siz | --test-job) (--pdf OUT.pdf | --text)
       sizing mail [OPTIONS] (JOB.siz | --test-job) [--print]
       sizing --help

calc sizes each job file as the form would: the jobs run in order on one form, as if the
user opened each and pressed Calculate, so the calculation state and the result captions
carry over from one job to the next. Opening a job does not change the results, the
induced draft choice, its diameter or the combined vent box.

report calculates the job and writes its report: --pdf draws the printed page into a PDF
file, --text writes the same layout as plain text, one line per printed line with every
item at its character column. The "Prepared by" block comes from contact.dat in the
current directory; without it there is no report.

mail calculates the job and hands the results to the desktop's mail composer, where you
add the recipients; --print instead prints the subject line and then the body exactly as
the composer would get them (CR LF line ends kept). The sender line comes from the name in
contact.dat in the current directory.

OPTIONS
  --induced-draft D   select induced draft "Yes" with diameter text D (inches)
  --combined-vent     tick "Combined Vent"
  --test-job          fill in the built-in test job and calculate it
  --json              (calc) one JSON array with an object per job:
                      {"job": PATH, "labels": {"lblPipeDiameter": "28", ...},
                       "messages": [{"caption": "Pipe Sizing", "text": "..."}]}
                      every text exactly as the form shows it

Without --json, calc prints for each job its thirteen result captions and the message
boxes it showed, each text in quotes (leading blanks kept, line breaks as \r\n).

Exit status: 0 on success; 1 when a report or e-mail could not be made; 2 when a job file
could not be read or holds fewer than 27 values (the other jobs still run); 64 for a usage
error.
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
    err << "sizing: unknown command '" << args[0] << "'\nTry 'sizing --help'.\n";
    return kUsageError;
  }
  for (const auto& a : args)
    if (IsHelp(a)) {
      out << UsageText();
      return 0;
    }
  const auto options = Parse(args, err);
  if (!options) {
    err << "Try 'sizing --help'.\n";
    return kUsageError;
  }
  if (options->command == "report") return Report(*options, out, err, services);
  if (options->command == "mail") return Mail(*options, out, err, services);
  return Calc(*options, out, err);
}

}  // namespace sizing
