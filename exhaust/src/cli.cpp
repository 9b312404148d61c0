#include "exhaust/cli.h"

#include <optional>
#include <utility>

#include "exhaust/frm_exhaust.h"
#include "exhaust/job_record.h"
#include "formkit/host.h"
#include "formkit/text_io.h"

namespace exhaust {
namespace {

constexpr int kUnreadableJob = 2;
constexpr int kUsageError = 64;

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct CalcOptions {
  bool json = false;
  bool test_job = false;
  std::vector<std::string> jobs;
};

struct JobResult {
  std::string job;
  Pairs labels;
  Pairs texts;
  std::vector<formkit::RecordingHost::Message> messages;
};

std::optional<CalcOptions> ParseCalc(const std::vector<std::string>& args, std::ostream& err) {
  CalcOptions options;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      options.json = true;
    } else if (a == "--test-job") {
      options.test_job = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      err << "exhaust: unknown option '" << a << "'\n";
      return std::nullopt;
    } else {
      options.jobs.push_back(a);
    }
  }
  if (options.test_job == !options.jobs.empty()) {
    err << "exhaust calc: give job files or --test-job (not both)\n";
    return std::nullopt;
  }
  return options;
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

int Calc(const CalcOptions& options, std::ostream& out, std::ostream& err) {
  formkit::RecordingHost host;
  FrmExhaust form(host);
  std::vector<JobResult> results;
  int status = 0;
  if (options.test_job) {
    form.cmdTest1_Click();
    form.cmdCalc_Click();
    results.push_back(Collect("--test-job", form, host));
  }
  for (const std::string& path : options.jobs) {
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
    results.push_back(Collect(path, form, host));
  }
  if (options.json)
    PrintJson(results, out);
  else
    PrintText(results, out);
  return status;
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

}  // namespace

std::string UsageText() {
  return R"(Usage: exhaust                open the engine/turbine exhaust form
       exhaust calc [--json] JOB.exh...
       exhaust calc --test-job [--json]
       exhaust --help

calc sizes each job file as the form would: the jobs run in order on one form, as if the
user opened each and pressed Calculate, so a job that shows a message keeps the result
captions of the job before it.

  --test-job          fill in the built-in test job and calculate it
  --json              one JSON array with an object per job:
                      {"job": PATH, "labels": {"lblK": "4.77", ...},
                       "texts": {"txtCustomer": "...", ...},
                       "messages": [{"caption": "Missing Data", "text": "..."}]}
                      every text exactly as the form shows it; "texts" holds the twenty
                      job boxes after the calculation (a blank altitude becomes "0")

Without --json each job prints its five result captions and the message boxes it showed,
each text in quotes (leading blanks kept, line breaks as \r\n or \n\r).

Exit status: 0 when every job was read; 2 when a job file could not be read or holds
fewer than 20 fields (the other jobs still run); 64 for a usage error.
)";
}

bool IsCommandLine(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == "calc" || IsHelp(args[0]));
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || IsHelp(args[0])) {
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
      err << "Try 'exhaust --help'.\n";
      return kUsageError;
    }
    return Calc(*options, out, err);
  }
  err << "exhaust: unknown command '" << args[0] << "'\nTry 'exhaust --help'.\n";
  return kUsageError;
}

}  // namespace exhaust
