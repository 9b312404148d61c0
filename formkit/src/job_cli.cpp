#include "formkit/job_cli.h"

#include "formkit/report_contact.h"
#include "formkit/text_io.h"

namespace formkit {
namespace {

struct Options {
  std::string command;
  std::vector<std::pair<std::string, std::string>> own;
  bool json = false;
  bool test_job = false;
  bool text = false;
  bool print = false;
  bool sheet = false;
  std::optional<std::string> pdf;
  std::optional<Paper> paper;
  std::vector<std::string> jobs;
};

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h" || a == "help"; }

const JobCliOption* FindOwn(const JobCliProgram& program, const std::string& arg,
                            std::optional<std::string>* inline_value) {
  for (const JobCliOption& option : program.options) {
    if (arg == option.name) return &option;
    if (option.takes_value && arg.rfind(option.name + "=", 0) == 0) {
      *inline_value = arg.substr(option.name.size() + 1);
      return &option;
    }
  }
  return nullptr;
}

std::optional<Options> Parse(const JobCliProgram& program, const std::vector<std::string>& args,
                             std::ostream& err) {
  Options o;
  o.command = args[0];
  const std::string who = program.name + " " + o.command;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::optional<std::string> inline_value;
    if (const JobCliOption* own = FindOwn(program, a, &inline_value)) {
      std::string value;
      if (inline_value) {
        value = *inline_value;
      } else if (own->takes_value) {
        if (i + 1 >= args.size()) {
          err << who << ": " << own->name << " needs a value\n";
          return std::nullopt;
        }
        value = args[++i];
      }
      o.own.emplace_back(own->name, value);
    } else if (a == "--test-job") {
      o.test_job = true;
    } else if (a == "--json" && o.command == "calc") {
      o.json = true;
    } else if (a == "--text" && o.command == "report") {
      o.text = true;
    } else if (a == "--pdf" && o.command == "report") {
      if (i + 1 >= args.size()) {
        err << who << ": --pdf needs a value\n";
        return std::nullopt;
      }
      o.pdf = args[++i];
    } else if ((a == "--paper" || a.rfind("--paper=", 0) == 0) && o.command == "report") {
      std::string name;
      if (a != "--paper") {
        name = a.substr(8);
      } else if (i + 1 < args.size()) {
        name = args[++i];
      }
      o.paper = PaperNamed(name);
      if (!o.paper) {
        err << who << ": --paper takes a4 or letter\n";
        return std::nullopt;
      }
    } else if (a == "--sheet" && o.command == "report") {
      o.sheet = true;
    } else if (a == "--print" && o.command == "mail") {
      o.print = true;
    } else if (a.size() > 1 && a[0] == '-') {
      err << who << ": unknown option '" << a << "'\n";
      return std::nullopt;
    } else {
      o.jobs.push_back(a);
    }
  }
  if (o.command == "calc") {
    if (o.test_job == !o.jobs.empty()) {
      err << who << ": give job files or --test-job (not both)\n";
      return std::nullopt;
    }
    return o;
  }
  if (o.jobs.size() + (o.test_job ? 1 : 0) != 1) {
    err << who << ": give one job file or --test-job\n";
    return std::nullopt;
  }
  if (o.command == "report" && o.text == o.pdf.has_value()) {
    err << who << ": give --pdf OUT.pdf or --text\n";
    return std::nullopt;
  }
  return o;
}

using EachJob = std::function<void(const std::string& job, JobSession& session)>;

// Runs the jobs in order on one session; `each` sees the session after every job.
int RunJobs(const JobCliProgram& program, const Options& o, std::ostream& err,
            const EachJob& each) {
  const std::unique_ptr<JobSession> session = program.start(o.own);
  int status = 0;
  if (o.test_job) {
    session->RunTestJob();
    each("--test-job", *session);
  }
  for (const std::string& path : o.jobs) {
    const auto text = ReadTextFile(path);
    if (!text) {
      err << program.name << ": " << path << ": cannot be read\n";
      status = kCliUnreadableJob;
      continue;
    }
    if (const auto why = session->OpenAndCalculate(*text)) {
      err << program.name << ": " << path << ": " << *why << "\n";
      status = kCliUnreadableJob;
      continue;
    }
    each(path, *session);
  }
  return status;
}

int Calc(const JobCliProgram& program, const Options& o, std::ostream& out, std::ostream& err) {
  std::vector<JobOutput> results;
  const int status = RunJobs(program, o, err, [&](const std::string& job, JobSession& session) {
    results.push_back(session.Output(job));
  });
  if (o.json)
    PrintJobsJson(results, program.json_texts, out);
  else
    PrintJobsText(results, out);
  return status;
}

int MakeReport(const JobCliProgram& program, const Options& o, std::ostream& out, std::ostream& err,
           const CliServices& services) {
  int result = kCliFailed;
  const int status = RunJobs(program, o, err, [&](const std::string&, JobSession& session) {
    const std::string date = ReportDateOr(services.report_date);
    const auto contact = ReadContactFile();
    auto report = contact ? session.MakeReport(*contact, date) : std::nullopt;
    if (o.sheet) {
      if (!session.Sheet()) {
        err << program.name << ": there is no calculation sheet\n";
        return;
      }
      // The sheet needs no contact details: without them it prints alone.
      if (!report) err << program.name << ": " << kReportError << " (the sheet prints alone)\n";
      Report document = report ? std::move(*report) : Report{};
      AppendSheet(document, *session.Sheet(), session.Heading(date));
      report = std::move(document);
    }
    if (!report) {
      err << program.name << ": " << kReportError << "\n";
      return;
    }
    if (o.text) {
      out << ReportText(*report);
      result = 0;
      return;
    }
    std::string error;
    if (!services.write_pdf) {
      err << program.name << ": PDF output is not available here\n";
    } else if (!services.write_pdf(*report, *o.pdf, o.paper.value_or(services.paper), &error)) {
      err << program.name << ": " << *o.pdf << ": " << error << "\n";
    } else {
      result = 0;
    }
  });
  return status != 0 ? status : result;
}

int MakeMail(const JobCliProgram& program, const Options& o, std::ostream& out, std::ostream& err,
         const CliServices& services) {
  int result = kCliFailed;
  const int status = RunJobs(program, o, err, [&](const std::string&, JobSession& session) {
    // The contact dialog loads contact.dat; without one its name box stays empty.
    const auto contact = ReadContactFile();
    const MailMessage message = session.MakeMail(contact ? contact->name() : std::string());
    if (o.print) {
      out << message.subject << "\r\n" << message.body;
      result = 0;
      return;
    }
    std::string error = "there is no mail composer here";
    if (services.mail && services.mail->Send(message, &error)) {
      result = 0;
    } else {
      err << program.name << ": " << kMailNotSent << " (" << error << ")\n";
    }
  });
  return status != 0 ? status : result;
}

}  // namespace

bool IsJobCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args[0];
  return first == "calc" || first == "report" || first == "mail" || IsHelp(first);
}

std::string ReportDateOr(const std::string& given) { return given.empty() ? ReportDate() : given; }

int RunJobCommandLine(const JobCliProgram& program, const std::vector<std::string>& args,
                      std::ostream& out, std::ostream& err, const CliServices& services) {
  if (args.empty() || IsHelp(args[0])) {
    out << program.usage;
    return 0;
  }
  if (args[0] != "calc" && args[0] != "report" && args[0] != "mail") {
    err << program.name << ": unknown command '" << args[0] << "'\nTry '" << program.name
        << " --help'.\n";
    return kCliUsageError;
  }
  for (const auto& a : args)
    if (a == "--help" || a == "-h") {
      out << program.usage;
      return 0;
    }
  const auto options = Parse(program, args, err);
  if (!options) {
    err << "Try '" << program.name << " --help'.\n";
    return kCliUsageError;
  }
  if (options->command == "report") return MakeReport(program, *options, out, err, services);
  if (options->command == "mail") return MakeMail(program, *options, out, err, services);
  return Calc(program, *options, out, err);
}

}  // namespace formkit
