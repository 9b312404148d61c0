#include <gtest/gtest.h>

#include "exhaust/frm_exhaust.h"

namespace exhaust {
namespace {

TEST(Calculation, Smoke) {
  formkit::RecordingHost host;
  FrmExhaust form(host);
  form.cmdTest1_Click();
  form.cmdCalc_Click();
  for (const char* l : kResultLabels) std::printf("%s '%s'\n", l, form.Text(l).c_str());
}

}  // namespace
}  // namespace exhaust
