// What the programs' command lines print for each calculated job: its result captions, the
// job boxes where wanted, and the message boxes it showed, as text or as JSON.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "formkit/host.h"

namespace formkit {

struct JobOutput {
  std::string job;
  std::vector<std::pair<std::string, std::string>> labels;  // control name, caption
  std::vector<std::pair<std::string, std::string>> texts;   // control name, text (optional)
  std::vector<RecordingHost::Message> messages;
};

// One JSON array with an object per job: {"job": ..., "labels": {...}, ["texts": {...},]
// "messages": [{"caption": ..., "text": ...}]}; "texts" only when `with_texts`.
void PrintJobsJson(const std::vector<JobOutput>& jobs, bool with_texts, std::ostream& out);

// For each job its path, then one line per caption and per message, texts in quotes.
void PrintJobsText(const std::vector<JobOutput>& jobs, std::ostream& out);

}  // namespace formkit
