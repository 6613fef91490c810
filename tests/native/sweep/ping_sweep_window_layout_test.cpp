#include "resources/ping_sweep_window_layout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace volmere {
namespace {

const ControlLayout* Named(const char* name) {
  for (const ControlLayout& c : kPingSweepWindowLayout.controls) {
    if (std::strcmp(c.name, name) == 0) return &c;
  }
  return nullptr;
}

TEST(PingSweepWindowLayout, IsAFixedWindowWithoutMinimiseBox) {
  EXPECT_STREQ(kPingSweepWindowLayout.name, "PingSweepWindow");
  EXPECT_STREQ(kPingSweepWindowLayout.caption, "ping获取计算机");
  EXPECT_EQ(kPingSweepWindowLayout.outerWidth, 559);
  EXPECT_EQ(kPingSweepWindowLayout.outerHeight, 138);
  EXPECT_EQ(kPingSweepWindowLayout.style & kMinimizeBox, 0u);
  EXPECT_TRUE(kPingSweepWindowLayout.menus.empty());
}

TEST(PingSweepWindowLayout, PlacesEveryControlInItsTabOrder) {
  struct Expected {
    const char* name;
    ControlKind kind;
    const char* text;
    int x, y, width, height, tabOrder;
    unsigned style;
  };
  const Expected table[] = {
      {"localAddressCombo", ControlKind::DropDownList, "", 111, 12, 151, 20, 6, 0},
      {"octet1Edit", ControlKind::Edit, "", 74, 44, 36, 21, 0, kCenterText | kDigitsAndMinus},
      {"octet2Edit", ControlKind::Edit, "", 126, 44, 36, 21, 1, kCenterText | kDigitsAndMinus},
      {"octet3Edit", ControlKind::Edit, "", 178, 44, 36, 21, 2, kCenterText},
      {"rangeMarkEdit", ControlKind::Edit, "~", 230, 44, 36, 21, 3, kCenterText | kDisabled},
      {"timeoutEdit", ControlKind::Edit, "100", 150, 77, 40, 21, 4, kCenterText},
      {"sweepButton", ControlKind::Button, "ping获取", 198, 76, 72, 24, 5, 0},
      {"sweepList", ControlKind::ReportList, "", 285, 7, 256, 89, 7, kNoHeader},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    const ControlLayout* c = Named(e.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, e.kind);
    EXPECT_STREQ(c->text, e.text);
    EXPECT_EQ(c->x, e.x);
    EXPECT_EQ(c->y, e.y);
    EXPECT_EQ(c->width, e.width);
    EXPECT_EQ(c->height, e.height);
    EXPECT_EQ(c->tabOrder, e.tabOrder);
    EXPECT_EQ(c->style, e.style);
  }
  EXPECT_EQ(Named("sweepList")->columnWidth, 250);

  struct Label {
    const char* text;
    int x, y, width, height;
  };
  const Label labels[] = {{"本机IP地址列表：", 14, 8, 97, 24},
                          {"输入IP段：", 14, 43, 56, 24},
                          {"设置超时时间（毫秒）：", 14, 75, 136, 24}};
  int found = 0;
  for (const ControlLayout& c : kPingSweepWindowLayout.controls) {
    if (c.kind != ControlKind::Label) continue;
    const Label& l = labels[found++];
    EXPECT_STREQ(c.name, "");
    EXPECT_STREQ(c.text, l.text);
    EXPECT_EQ(c.x, l.x);
    EXPECT_EQ(c.y, l.y);
    EXPECT_EQ(c.width, l.width);
    EXPECT_EQ(c.height, l.height);
  }
  EXPECT_EQ(found, 3);
  EXPECT_EQ(kPingSweepWindowLayout.controls.size(), 11u);
}

}  // namespace
}  // namespace volmere
