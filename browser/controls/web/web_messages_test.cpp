// The lines between the web control and its engine's process: messages cut anywhere by the
// pipe come out whole, and what is no message is passed over without holding the rest.
#include "web_messages.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace panorel_web {
namespace {

TEST(WebMessages, MessagesCutAnywhereComeOutWholeAndInOrder) {
  const QByteArray stream =
      MessageLine({{"event", "TitleChange"}, {"args", QJsonArray{"a\nb \"c\""}}}) +
      MessageLine({{"window", "4194310"}});
  for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
    MessageReader reader;
    reader.Feed(stream.left(cut));
    std::vector<QJsonObject> got;
    while (auto m = reader.Next()) got.push_back(*m);
    reader.Feed(stream.mid(cut));
    while (auto m = reader.Next()) got.push_back(*m);
    ASSERT_EQ(got.size(), 2u) << "cut at " << cut;
    EXPECT_EQ(got[0].value("args").toArray().at(0).toString(), "a\nb \"c\"");
    EXPECT_EQ(got[1].value("window").toString(), "4194310");
  }
}

TEST(WebMessages, WhatIsNoMessageIsPassedOver) {
  MessageReader reader;
  reader.Feed("not json\n[1,2]\n\n{\"call\":\"GoBack\"}\n{\"call\":");
  const auto first = reader.Next();
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->value("call").toString(), "GoBack");
  EXPECT_FALSE(reader.Next().has_value());  // the last line is not complete yet
}

TEST(WebMessages, ALineTooLongIsDroppedWholeAndTheNextOneRead) {
  MessageReader reader;
  const QByteArray block(1 << 20, 'x');
  for (int i = 0; i <= MessageReader::kMaxLine / block.size(); ++i) {
    reader.Feed(block);
    EXPECT_FALSE(reader.Next().has_value());
  }
  reader.Feed("\"}\n" + MessageLine({{"call", "Stop"}}));
  const auto next = reader.Next();
  ASSERT_TRUE(next.has_value());
  EXPECT_EQ(next->value("call").toString(), "Stop");
}

}  // namespace
}  // namespace panorel_web
