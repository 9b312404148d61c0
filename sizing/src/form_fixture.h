// The vent sizing form as the core tests start from it: loaded, its message boxes recorded,
// numbers read with "." and "," whatever the machine's locale.
#pragma once

#include <gtest/gtest.h>

#include "formkit/host.h"
#include "sizing/frm_sizing.h"

namespace sizing::testing {

class FormFixture : public ::testing::Test {
 protected:
  void SetUp() override { form.Form_Load(); }

  formkit::RecordingHost host;
  FrmSizing form{host, formkit::NumberFormat{'.', ','}};
};

}  // namespace sizing::testing
