#include <gtest/gtest.h>

#include "formkit/mail.h"
#include "platform/recording_shell.h"

namespace formkit {
namespace {

TEST(ComposerMailSender, HandsTheComposerLfLineEnds) {
  platform::RecordingShell shell;
  ComposerMailSender sender(shell);
  std::string error;
  ASSERT_TRUE(sender.Send({"Subject", "Customer:  ACME\r\n\r\nEnd \r\n"}, &error));
  ASSERT_EQ(shell.mails.size(), 1u);
  EXPECT_EQ(shell.mails[0].subject, "Subject");
  // The composer writes CR before every LF itself: a CR here would be doubled.
  EXPECT_EQ(shell.mails[0].body, "Customer:  ACME\n\nEnd \n");
}

TEST(ComposerMailSender, FailsOnlyWhenTheComposerCannotStart) {
  platform::RecordingShell shell;
  shell.accept = false;
  ComposerMailSender sender(shell);
  std::string error;
  EXPECT_FALSE(sender.Send({"s", "b"}, &error));
  EXPECT_EQ(error, shell.refusal);
}

TEST(LfLineEnds, EveryLineEndBecomesOneLf) {
  EXPECT_EQ(LfLineEnds("a\r\nb\n\rc\rd\ne"), "a\nb\nc\nd\ne");
  EXPECT_EQ(LfLineEnds("\r\n\r\n"), "\n\n");
  EXPECT_EQ(LfLineEnds("\n\n"), "\n\n");
  EXPECT_EQ(LfLineEnds("plain"), "plain");
}

}  // namespace
}  // namespace formkit
