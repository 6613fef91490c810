// Runs in a prefix where the test network provider is registered (see
// CMakeLists.txt); each test writes the provider's fixture first.
#include <gtest/gtest.h>

#include "platform/win32/win32_core.h"
#include "platform/win32/win32_network.h"
#include "tests/win32/contract_test_support.h"

namespace volmere {
namespace {

class NetProvider : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_ = win32_core::TempDir() + "volmere-netprovider-fixture.txt";
    SetEnvironmentVariableA("VOLMERE_NETPROVIDER_FIXTURE", fixture_.c_str());
  }
  void TearDown() override { ::DeleteFileA(fixture_.c_str()); }
  void Serve(const std::string& lines) { PutRawBytes(fixture_, lines); }

  Win32Network net_;
  Text fixture_;
};

// UTF-8 in the fixture, GBK out of the A functions.
const char kFixture[] =
    u8"# two workgroups, the second with a Chinese name\n"
    u8"workgroup\tWORKGROUP\n"
    u8"computer\tWORKGROUP\tPC1\n"
    u8"computer\tWORKGROUP\tPC2\n"
    u8"computer\t财务部\t会计室\n"
    u8"computer\t财务部\tPC3\n"
    u8"share\tPC1\tdocs\n"
    u8"share\tPC1\t共享文档\n"
    u8"share\tPC2\tprint$\n"
    u8"share\t会计室\t账本\n"
    u8"refuse\tPC3\n";

TEST_F(NetProvider, WorkgroupsOfEveryProviderComeBackInCodePage936) {
  Serve(kFixture);
  EXPECT_EQ(net_.ListWorkgroups(), (std::vector<Text>{"WORKGROUP", "财务部"}));
}

TEST_F(NetProvider, ComputersLoseTheirBackslashesInProviderOrder) {
  Serve(kFixture);
  EXPECT_EQ(net_.ListComputers("WORKGROUP"), (std::vector<Text>{"PC1", "PC2"}));
  EXPECT_EQ(net_.ListComputers("财务部"), (std::vector<Text>{"会计室", "PC3"}));
  EXPECT_EQ(net_.ListComputers(""), (std::vector<Text>{"PC1", "PC2", "会计室", "PC3"}));
  EXPECT_TRUE(net_.ListComputers("NOSUCHGROUP").empty());
}

TEST_F(NetProvider, SharesAreFullPathsWithOrWithoutLeadingBackslashes) {
  Serve(kFixture);
  const std::vector<Text> pc1 = {"\\\\PC1\\docs", "\\\\PC1\\共享文档"};
  EXPECT_EQ(net_.ListShares("PC1"), pc1);
  EXPECT_EQ(net_.ListShares("\\\\PC1"), pc1);
  EXPECT_EQ(net_.ListShares("会计室"), (std::vector<Text>{"\\\\会计室\\账本"}));
  // A computer that refuses contributes nothing, and stops nothing.
  EXPECT_TRUE(net_.ListShares("PC3").empty());
  EXPECT_EQ(net_.ListShares(""), (std::vector<Text>{"\\\\PC1\\docs", "\\\\PC1\\共享文档",
                                                    "\\\\PC2\\print$", "\\\\会计室\\账本"}));
}

TEST_F(NetProvider, ManyWorkgroupsTakeSeveralRoundsAndAllArrive) {
  std::string lines;
  std::vector<Text> expected;
  for (int i = 0; i < 400; ++i) {
    Text name = "GROUP-NUMBER-" + std::to_string(i);
    lines += "workgroup\t" + name + "\n";
    expected.push_back(name);
  }
  Serve(lines);
  EXPECT_EQ(net_.ListWorkgroups(), expected);
}

TEST_F(NetProvider, EmptyNeighbourhoodGivesEmptyLists) {
  Serve("");
  EXPECT_TRUE(net_.ListWorkgroups().empty());
  EXPECT_TRUE(net_.ListComputers("").empty());
  EXPECT_TRUE(net_.ListShares("").empty());
}

}  // namespace
}  // namespace volmere
