#include "remote/connection_template.h"

#include <gtest/gtest.h>

#include <cstring>

#include "remote_scene.h"

namespace volmere {
namespace {

TEST(ConnectionTemplate, HasItsFortyFiveLinesAsStored) {
  const Text text = ConnectionTemplate;
  EXPECT_EQ(std::strlen(ConnectionTemplate), 1038u);
  int breaks = 0;
  for (std::size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2)) {
    ++breaks;
  }
  EXPECT_EQ(breaks, 44);
  EXPECT_EQ(LineOf(text, 1), "screen mode id:i:2");
  EXPECT_EQ(LineOf(text, 45), "use redirection server name:i:0");
}

TEST(ConnectionTemplate, FillsEveryMarker) {
  const Text text = FillConnectionTemplate("administrator", "PC1", "ABCD0");
  EXPECT_EQ(LineOf(text, 6), "full address:s:PC1:3389");
  EXPECT_EQ(LineOf(text, 13), "redirectsmartcards:i:1");
  EXPECT_EQ(LineOf(text, 16), "username:s:administrator");
  EXPECT_EQ(LineOf(text, 19), "password 51:b:ABCD0");
  EXPECT_EQ(LineOf(text, 35), "drivestoredirect:s:");
  EXPECT_EQ(text.find('%'), Text::npos);
}

TEST(ConnectionTemplate, WithoutPasswordKeepsItsMarker) {
  const Text text = FillConnectionTemplate("administrator", "PC1", "");
  EXPECT_EQ(LineOf(text, 19), "%密码%");
}

// The user name goes in first: a marker it brings in is replaced by the
// address step that follows, and the user-name marker the address brings in
// stays, its step being over.
TEST(ConnectionTemplate, ReplacesInTheTablesOrder) {
  const Text text = FillConnectionTemplate("%服务器地址%", "%账号%", "");
  EXPECT_EQ(LineOf(text, 16), "username:s:%账号%:3389");
  EXPECT_EQ(LineOf(text, 6), "full address:s:%账号%:3389");
}

}  // namespace
}  // namespace volmere
