#include "formkit/job_output.h"

#include "formkit/text_io.h"

namespace formkit {
namespace {

void PrintObject(const std::vector<std::pair<std::string, std::string>>& pairs, std::ostream& out) {
  out << "{";
  for (size_t i = 0; i < pairs.size(); ++i)
    out << (i ? ", " : "") << JsonString(pairs[i].first) << ": " << JsonString(pairs[i].second);
  out << "}";
}

}  // namespace

void PrintJobsJson(const std::vector<JobOutput>& jobs, bool with_texts, std::ostream& out) {
  out << "[";
  for (size_t j = 0; j < jobs.size(); ++j) {
    const JobOutput& r = jobs[j];
    out << (j ? ",\n " : "") << "{\"job\": " << JsonString(r.job) << ", \"labels\": ";
    PrintObject(r.labels, out);
    if (with_texts) {
      out << ", \"texts\": ";
      PrintObject(r.texts, out);
    }
    out << ", \"messages\": [";
    for (size_t i = 0; i < r.messages.size(); ++i)
      out << (i ? ", " : "") << "{\"caption\": " << JsonString(r.messages[i].caption)
          << ", \"text\": " << JsonString(r.messages[i].text) << "}";
    out << "]}";
  }
  out << "]\n";
}

void PrintJobsText(const std::vector<JobOutput>& jobs, std::ostream& out) {
  for (const JobOutput& r : jobs) {
    out << r.job << "\n";
    for (const auto& [label, text] : r.labels) {
      const size_t pad = label.size() < 28 ? 28 - label.size() : 1;
      out << "  " << label << std::string(pad, ' ') << JsonString(text) << "\n";
    }
    for (const auto& message : r.messages)
      out << "  message " << JsonString(message.caption) << ": " << JsonString(message.text)
          << "\n";
  }
}

}  // namespace formkit
