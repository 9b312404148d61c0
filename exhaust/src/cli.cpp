#include "exhaust/cli.h"

#include "exhaust/frm_exhaust.h"
#include "exhaust/job_record.h"
#include "exhaust/report.h"
#include "formkit/form_job_session.h"

namespace exhaust {
namespace {

// The exhaust form for the length of a command.
class ExhaustSession : public formkit::FormJobSession<FrmExhaust> {
 public:
  ExhaustSession()
      : FormJobSession(std::vector<const char*>(kResultLabels.begin(), kResultLabels.end()),
                       std::vector<const char*>(kJobBoxes.begin(), kJobBoxes.end()), &BuildReport,
                       &BuildMail, kJobFile, &FrmExhaust::cmdCalc_Click) {}

  void RunTestJob() override {
    form().cmdTest1_Click();
    form().cmdCalc_Click();
  }
};

}  // namespace

const formkit::JobCliProgram& CliProgram() {
  static const formkit::JobCliProgram program{
      "exhaust", UsageText(), true, {},
      [](const std::vector<std::pair<std::string, std::string>>&) {
        return std::make_unique<ExhaustSession>();
      }};
  return program;
}

std::string UsageText() {
  return R"(Usage: exhaust                open the engine/turbine exhaust form
       exhaust calc [--json] JOB.exh...
       exhaust calc --test-job [--json]
       exhaust report (JOB.exh | --test-job) [--sheet] [--paper a4|letter]
                      (--pdf OUT.pdf | --text)
       exhaust mail (JOB.exh | --test-job) [--print]
       exhaust --help

calc sizes each job file as the form would: the jobs run in order on one form, as if the
user opened each and pressed Calculate, so a job that shows a message keeps the result
captions of the job before it.

)" + std::string(formkit::kReportCommandHelp) +
         R"(it, the fittings' K values, each pass of the iteration, the pressure drop and the rounding,
each with its formula and as the value the form shows. The "Prepared by" block comes from
contact.dat in the current directory (the file the vent sizing program keeps too); without
it there is no report.

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

}  // namespace exhaust
