#include "sharing/computer_identity.h"

#include <gtest/gtest.h>

namespace volmere {
namespace {

TEST(IsValidComputerName, WhatWindowsTakes) {
  for (const char* name :
       {"PC1", "ACCOUNTING-PC15", "财务-2", "财务部第二电脑", "A_B", "誠一", "1PC", "-"}) {
    EXPECT_TRUE(IsValidComputerName(name)) << name;
  }
  for (const char* name :
       {"", "ACCOUNTING-PC-16", "财务部第二台电脑", "1234", "0", "PC 1", " PC1"}) {
    EXPECT_FALSE(IsValidComputerName(name)) << name;
  }
  for (char c : Text(" \\/:*?\"<>|,~!@#$%^&'.(){}[];=+")) {
    EXPECT_FALSE(IsValidComputerName(Text("PC") + c + "1")) << c;
  }
}

TEST(IsValidWorkgroupName, WhatTheBatchLineCanCarry) {
  for (const char* name : {"WORKGROUP", "MY GROUP", "财务部", "誠", "A-B_C.D", "ACCOUNTING-GRP1"}) {
    EXPECT_TRUE(IsValidWorkgroupName(name)) << name;
  }
  for (const char* name : {"", "ACCOUNTING-GROUP", "%COMPUTERNAME%", "A\"B"}) {
    EXPECT_FALSE(IsValidWorkgroupName(name)) << name;
  }
  for (char c : Text("\\/:*?<>|")) {
    EXPECT_FALSE(IsValidWorkgroupName(Text("WG") + c)) << c;
  }
}

}  // namespace
}  // namespace volmere
