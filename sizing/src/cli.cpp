#include "sizing/cli.h"

#include <iterator>

#include "formkit/form_job_session.h"
#include "sizing/frm_sizing.h"
#include "sizing/job_record.h"
#include "sizing/report.h"

namespace sizing {
namespace {

// The vent sizing form for the length of a command.
class SizingSession : public formkit::FormJobSession<FrmSizing> {
 public:
  explicit SizingSession(const std::vector<std::pair<std::string, std::string>>& options)
      : FormJobSession(std::vector<const char*>(std::begin(kResultLabels), std::end(kResultLabels)),
                       {}, &BuildReport, &BuildMail, kJobFile, &FrmSizing::cmdCalculate_Click) {
    form().Form_Load();
    for (const auto& [name, value] : options) {
      if (name == "--induced-draft") {
        form().SelectInducedDraft(true);
        form().SetText("txtDiameter", value);
      } else if (name == "--combined-vent") {
        form().SetValue("chkCombinedVent", 1);
      }
    }
  }

  void RunTestJob() override { form().cmdTest_Click(); }
};

}  // namespace

const formkit::JobCliProgram& CliProgram() {
  static const formkit::JobCliProgram program{
      "sizing", UsageText(), false, {{"--induced-draft", true}, {"--combined-vent", false}},
      [](const std::vector<std::pair<std::string, std::string>>& options) {
        return std::make_unique<SizingSession>(options);
      }};
  return program;
}

std::string UsageText() {
  return R"(Usage: sizing [--splash] [JOB.siz]  open the vent sizing form (on its splash form), with the
                                    job file given
       sizing calc [OPTIONS] [--json] JOB.siz...
       sizing calc [OPTIONS] --test-job [--json]
       sizing report [OPTIONS] (JOB.siz | --test-job) [--sheet] [--paper a4|letter]
                     (--pdf OUT.pdf | --text)
       sizing mail [OPTIONS] (JOB.siz | --test-job) [--print]
       sizing --help

calc sizes each job file as the form would: the jobs run in order on one form, as if the
user opened each and pressed Calculate, so the calculation state and the result captions
carry over from one job to the next. Opening a job does not change the results, the
induced draft choice, its diameter or the combined vent box.

)" + std::string(formkit::kReportCommandHelp) +
         R"(it, the constants, each pass of the iteration, the rounding and the results, each with
its formula and as the value the form shows. The "Prepared by" block comes from contact.dat in the
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

}  // namespace sizing
