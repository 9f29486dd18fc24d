#include "servers/master_list.h"

#include <gtest/gtest.h>

#include "answer_bytes.h"

namespace cindermoor {
namespace {

TEST(MasterPacket, ReadsHeaderAndEntries) {
  const auto first = ParseMasterPacket(MasterPacketBytes(1, 2, {{10, 0, 0, 1, 28001}}));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->number, 1);
  EXPECT_EQ(first->count, 2);
  EXPECT_EQ(first->servers, (std::vector<ServerAddress>{{"10.0.0.1", 28001}}));
  const auto second = ParseMasterPacket(MasterPacketBytes(2, 2, {{1, 2, 3, 4, 5}}));
  ASSERT_TRUE(second);
  EXPECT_EQ(second->servers, (std::vector<ServerAddress>{{"1.2.3.4", 5}}));
}

TEST(MasterPacket, ReadsThreeHundredEntriesInOne) {
  std::vector<Entry> entries;
  for (int i = 0; i < 300; ++i)
    entries.push_back(
        {10, 1, static_cast<std::uint8_t>(i / 256), static_cast<std::uint8_t>(i), 28001});
  const auto packet = ParseMasterPacket(MasterPacketBytes(1, 1, entries));
  ASSERT_TRUE(packet);
  EXPECT_EQ(packet->servers.size(), 300u);
  EXPECT_EQ(packet->servers.back(), (ServerAddress{"10.1.1.43", 28001}));
}

TEST(MasterPacket, RefusesWhatIsNoMasterAnswer) {
  const Bytes good = MasterPacketBytes(1, 1, {{10, 0, 0, 1, 28001}});
  Bytes wrongMark = good;
  wrongMark[wrongMark.size() - 7] = 5;
  Bytes nameTooLong = good;
  nameTooLong[8] = 250;
  const Bytes cases[] = {{},
                         Bytes{0x10, 0x06, 1, 1},
                         Bytes(good.begin(), good.begin() + 12),
                         wrongMark,
                         nameTooLong,
                         MasterPacketBytes(3, 2, {}),
                         MasterPacketBytes(1, 0, {}),
                         Bytes{0x63, 0x2A, 0x2A, 0x62}};
  for (const Bytes& packet : cases) EXPECT_FALSE(ParseMasterPacket(packet)) << packet.size();
  // A trailing part-entry is no entry.
  const auto cut = ParseMasterPacket(Bytes(good.begin(), good.end() - 2));
  ASSERT_TRUE(cut);
  EXPECT_TRUE(cut->servers.empty());
}

TEST(MasterList, KeepsOnlyAskableServersOnce) {
  const auto packet = ParseMasterPacket(MasterPacketBytes(1, 1,
                                                          {{10, 0, 0, 1, 28001},
                                                           {10, 0, 0, 1, 28001},
                                                           {0, 1, 2, 3, 28001},
                                                           {224, 0, 0, 1, 28001},
                                                           {239, 9, 9, 9, 1},
                                                           {255, 255, 255, 255, 28001},
                                                           {10, 0, 0, 2, 0},
                                                           {127, 0, 0, 1, 28002},
                                                           {10, 0, 0, 1, 28003}}));
  ASSERT_TRUE(packet);
  MasterList remote, local;
  remote.Add(*packet, false);
  local.Add(*packet, true);
  EXPECT_EQ(remote.Servers(),
            (std::vector<ServerAddress>{{"10.0.0.1", 28001}, {"10.0.0.1", 28003}}));
  EXPECT_EQ(local.Servers(), (std::vector<ServerAddress>{
                                 {"10.0.0.1", 28001}, {"127.0.0.1", 28002}, {"10.0.0.1", 28003}}));
}

TEST(MasterList, StopsAtFiveThousand) {
  MasterPacket packet{1, 1, {}};
  for (int i = 0; i < 6000; ++i) {
    packet.servers.push_back({"10.0.0.1", static_cast<std::uint16_t>(i + 1)});
  }
  MasterList list;
  list.Add(packet, false);
  list.Add(packet, false);
  EXPECT_EQ(list.Servers().size(), MasterList::kMaxServers);
}

}  // namespace
}  // namespace cindermoor
