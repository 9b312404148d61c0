#include "sizing/cli.h"

#include <optional>

#include "formkit/host.h"
#include "formkit/text_io.h"
#include "sizing/frm_sizing.h"
#include "sizing/job_record.h"

namespace sizing {
namespace {

constexpr int kUsageError = 64;

struct CalcOptions {
  std::optional<std::string> induced_diameter;
  bool combined_vent = false;
  bool json = false;
  bool test_job = false;
  std::vector<std::string> jobs;
};

struct JobResult {
  std::string job;
  std::vector<std::pair<std::string, std::string>> labels;
  std::vector<formkit::RecordingHost::Message> messages;
};

std::optional<CalcOptions> ParseCalc(const std::vector<std::string>& args, std::ostream& err) {
  CalcOptions options;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--induced-draft") {
      if (i + 1 >= args.size()) {
        err << "sizing: --induced-draft needs a diameter\n";
        return std::nullopt;
      }
      options.induced_diameter = args[++i];
    } else if (a.rfind("--induced-draft=", 0) == 0) {
      options.induced_diameter = a.substr(16);
    } else if (a == "--combined-vent") {
      options.combined_vent = true;
    } else if (a == "--json") {
      options.json = true;
    } else if (a == "--test-job") {
      options.test_job = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      err << "sizing: unknown option '" << a << "'\n";
      return std::nullopt;
    } else {
      options.jobs.push_back(a);
    }
  }
  if (options.test_job == !options.jobs.empty()) {
    err << "sizing calc: give job files or --test-job (not both)\n";
    return std::nullopt;
  }
  return options;
}

JobResult Collect(const std::string& job, const FrmSizing& form,
                  formkit::RecordingHost& host) {
  JobResult result{job, {}, std::move(host.messages)};
  host.messages.clear();
  for (const char* label : kResultLabels) result.labels.emplace_back(label, form.Text(label));
  return result;
}

void PrintJson(const std::vector<JobResult>& results, std::ostream& out) {
  out << "[";
  for (size_t j = 0; j < results.size(); ++j) {
    const JobResult& r = results[j];
    out << (j ? ",\n " : "") << "{\"job\": " << formkit::JsonString(r.job) << ", \"labels\": {";
    for (size_t i = 0; i < r.labels.size(); ++i)
      out << (i ? ", " : "") << formkit::JsonString(r.labels[i].first) << ": "
          << formkit::JsonString(r.labels[i].second);
    out << "}, \"messages\": [";
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

int Calc(const CalcOptions& options, std::ostream& out, std::ostream& err) {
  formkit::RecordingHost host;
  FrmSizing form(host);
  form.Form_Load();
  if (options.induced_diameter) {
    form.SelectInducedDraft(true);
    form.SetText("txtDiameter", *options.induced_diameter);
  }
  if (options.combined_vent) form.SetValue("chkCombinedVent", 1);

  std::vector<JobResult> results;
  int status = 0;
  if (options.test_job) {
    form.cmdTest_Click();
    results.push_back(Collect("--test-job", form, host));
  }
  for (const std::string& path : options.jobs) {
    const auto text = formkit::ReadTextFile(path);
    if (!text) {
      err << "sizing: " << path << ": cannot be read\n";
      status = 2;
      continue;
    }
    const auto job = ReadJobRecord(*text);
    if (!job) {
      err << "sizing: " << path
          << ": not a sizing job (it needs 27 values and a fuel position of 0 to 5)\n";
      status = 2;
      continue;
    }
    ApplyJobRecord(form, *job);
    form.cmdCalculate_Click();
    results.push_back(Collect(path, form, host));
  }
  if (options.json)
    PrintJson(results, out);
  else
    PrintText(results, out);
  return status;
}

}  // namespace

std::string UsageText() {
  return R"(Usage: sizing                 open the vent sizing form
       sizing calc [--induced-draft DIAMETER] [--combined-vent] [--json] JOB.siz...
       sizing calc --test-job [--json]
       sizing --help

calc sizes each job file as the form would: the jobs run in order on one form, as if the
user opened each and pressed Calculate, so the calculation state and the result captions
carry over from one job to the next. Opening a job does not change the results, the
induced draft choice, its diameter or the combined vent box.

  --induced-draft D   select induced draft "Yes" with diameter text D (inches)
  --combined-vent     tick "Combined Vent"
  --test-job          fill in the built-in test job and calculate it
  --json              one JSON array with an object per job:
                      {"job": PATH, "labels": {"lblPipeDiameter": "28", ...},
                       "messages": [{"caption": "Pipe Sizing", "text": "..."}]}
                      every text exactly as the form shows it

Without --json each job prints its thirteen result captions and the message boxes it
showed, each text in quotes (leading blanks kept, line breaks as \r\n).

Exit status: 0 when every job was read; 2 when a job file could not be read or holds
fewer than 27 values (the other jobs still run); 64 for a usage error.
)";
}

bool IsCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args[0];
  return first == "calc" || first == "--help" || first == "-h" || first == "help";
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << UsageText();
    return 0;
  }
  if (args[0] == "calc") {
    for (const auto& a : args)
      if (a == "--help" || a == "-h") {
        out << UsageText();
        return 0;
      }
    const auto options = ParseCalc(args, err);
    if (!options) {
      err << "Try 'sizing --help'.\n";
      return kUsageError;
    }
    return Calc(*options, out, err);
  }
  err << "sizing: unknown command '" << args[0] << "'\nTry 'sizing --help'.\n";
  return kUsageError;
}

}  // namespace sizing
