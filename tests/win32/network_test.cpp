// Every address here is a loopback address: tests send nothing further.
#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/icmp_ping.h"
#include "platform/win32/win32_network.h"

namespace volmere {
namespace {

TEST(Ping, LoopbackAnswersAndAnUnknownNameFailsWithoutWaiting) {
  Win32Network net;
  EXPECT_GE(net.PingHost("127.0.0.1", 1000), 0);
  EXPECT_GE(net.PingHost("localhost", 1000), 0);

  DWORD start = GetTickCount();
  EXPECT_EQ(net.PingHost("no-such-host.invalid"), -1);
  EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(Ping, OnlyARealEchoReplyCountsAsAnAnswer) {
  ICMP_ECHO_REPLY reply{};
  reply.RoundTripTime = 5;
  reply.Status = IP_SUCCESS;
  EXPECT_EQ(EchoResult(1, reply), 5);
  EXPECT_EQ(EchoResult(0, reply), -1);
  reply.Status = IP_DEST_HOST_UNREACHABLE;
  EXPECT_EQ(EchoResult(1, reply), -1);
  reply.Status = IP_SUCCESS;
  reply.RoundTripTime = 0;
  EXPECT_EQ(EchoResult(1, reply), 0);
}

TEST(Resolve, NamesResolveToTheirFirstAddress) {
  Win32Network net;
  EXPECT_EQ(net.ResolveAddress("localhost"), "127.0.0.1");
  EXPECT_EQ(net.ResolveAddress("no-such-host.invalid"), "");
  // Not looked up: too long for a host name, or empty (which Winsock would
  // take as this computer).
  EXPECT_EQ(net.ResolveAddress(std::string(100, 'a')), "");
  EXPECT_EQ(net.ResolveAddress(""), "");
  EXPECT_EQ(net.ResolveAddress("127.0.0.3"), "127.0.0.3");
}

TEST(Resolve, LocalAddressesAreAtMostTenDottedAddresses) {
  Win32Network net;
  std::vector<Text> addresses = net.ListLocalAddresses();
  EXPECT_LE(addresses.size(), 10u);
  for (const Text& address : addresses) EXPECT_TRUE(IsDottedIPv4(address)) << address;
}

TEST(Neighbourhood, WithoutAnyProviderEveryListIsEmpty) {
  Win32Network net;
  EXPECT_TRUE(net.ListWorkgroups().empty());
  EXPECT_TRUE(net.ListComputers("").empty());
  EXPECT_TRUE(net.ListComputers("WORKGROUP").empty());
  EXPECT_TRUE(net.ListShares("").empty());
  EXPECT_TRUE(net.ListShares("PC1").empty());
}

TEST(Ping, ManyThreadsPingAtOnce) {
  Win32Network net;
  std::vector<std::thread> threads;
  std::vector<int> results(64, -2);
  for (int i = 0; i < 64; ++i) {
    Text host = "127.0.0." + std::to_string(1 + i % 4);
    threads.emplace_back([&net, &results, i, host] { results[i] = net.PingHost(host, 2000); });
  }
  for (std::thread& t : threads) t.join();
  for (int i = 0; i < 64; ++i) EXPECT_GE(results[i], 0) << "thread " << i;
}

}  // namespace
}  // namespace volmere
