// The command line both sizing programs share: `calc`, `report` and `mail` over job files
// that run in order on one headless form, as a user would open each and calculate.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "formkit/calc_sheet.h"
#include "formkit/contact.h"
#include "formkit/job_output.h"
#include "formkit/mail.h"
#include "formkit/report.h"

namespace formkit {

// What the command line needs from outside the core.
struct CliServices {
  // Draws the report into a PDF file on `paper`; empty when PDF output is not available.
  std::function<bool(const Report&, const std::string& path, Paper paper, std::string* error)>
      write_pdf;
  // The paper of a PDF report unless --paper chooses: the user's (from the locale).
  Paper paper = Paper::kLetter;
  // Hands a message to the mail composer; without one, `mail` (but not `mail --print`)
  // fails.
  MailSender* mail = nullptr;
  // The date line of reports; empty means today.
  std::string report_date;
};

// One program's form for the length of a command: the jobs run on it in order.
class JobSession {
 public:
  virtual ~JobSession() = default;
  // Fills in the built-in test job and calculates it.
  virtual void RunTestJob() = 0;
  // Opens a job file's text and calculates; on a file that is not a job, changes nothing
  // and says why.
  virtual std::optional<std::string> OpenAndCalculate(const std::string& file_text) = 0;
  // The result captions (and job boxes) now, and the message boxes shown since last asked.
  virtual JobOutput Output(const std::string& job) = 0;
  virtual std::optional<Report> MakeReport(const ContactInfo& contact, const std::string& date) = 0;
  virtual MailMessage MakeMail(const std::string& contact_name) = 0;
  // The sheet of the last calculation; none for a program without one.
  virtual const CalcSheet* Sheet() const { return nullptr; }
  // What heads the sheet's pages.
  virtual SheetHeading Heading(const std::string& date) const = 0;
};

struct JobCliOption {
  std::string name;  // "--combined-vent"
  bool takes_value = false;
};

struct JobCliProgram {
  std::string name;   // "sizing"
  std::string usage;  // the --help text
  bool json_texts = false;  // --json also gives each job's boxes
  std::vector<JobCliOption> options;  // options of the program's own, for every command
  // Starts a session with the program's own options as given (name, value).
  std::function<std::unique_ptr<JobSession>(const std::vector<std::pair<std::string, std::string>>&)>
      start;
};

inline constexpr int kCliFailed = 1;
inline constexpr int kCliUnreadableJob = 2;
inline constexpr int kCliUsageError = 64;

bool IsJobCommandLine(const std::vector<std::string>& args);

// Runs a command (args without the program name) and gives the exit status: 0 on success,
// 1 when a report or mail could not be made, 2 when a job file could not be read (the other
// jobs still run), 64 for a usage error.
int RunJobCommandLine(const JobCliProgram& program, const std::vector<std::string>& args,
                      std::ostream& out, std::ostream& err, const CliServices& services);

// The paragraph on the report command both programs' --help prints, up to what the
// program's calculation sheet holds.
inline constexpr const char* kReportCommandHelp =
    R"(report calculates the job and writes its report: --pdf draws the printed page into a PDF
file, --text writes the same layout as plain text, one line per printed line with every
item at its character column, long texts broken onto further lines inside 80 columns.
The PDF is on the paper of your locale (LC_PAPER: Letter where that is the norm, A4
elsewhere) unless --paper chooses.
--sheet adds the calculation sheet from a new page: every input as the calculation read
)";

// The date line of reports: the given one, or today's.
std::string ReportDateOr(const std::string& given);

}  // namespace formkit
