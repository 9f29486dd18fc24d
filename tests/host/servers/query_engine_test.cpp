#include "servers/query_engine.h"

#include <gtest/gtest.h>

#include <functional>

#include "answer_bytes.h"

namespace cindermoor {
namespace {

struct RecordingListener : ServerQueryListener {
  void OnServerReport(const ServerReport& report) override { reports.push_back(report); }
  void OnMasterList(const std::vector<ServerAddress>& servers) override {
    masterLists.push_back(servers);
    if (onMasterList) onMasterList(servers);
  }
  std::vector<ServerReport> reports;
  std::vector<std::vector<ServerAddress>> masterLists;
  std::function<void(const std::vector<ServerAddress>&)> onMasterList;
};

constexpr Endpoint kServer{0x0A000001, 28001};  // 10.0.0.1
const ServerAddress kServerAddress{"10.0.0.1", 28001};

class QueryEngineTest : public testing::Test {
 protected:
  std::vector<QueryState> States() const {
    std::vector<QueryState> states;
    for (const ServerReport& report : listener.reports) states.push_back(report.state);
    return states;
  }
  RecordingListener listener;
  QueryEngine engine{listener};
};

TEST_F(QueryEngineTest, AsksEveryServerAtOncePaced) {
  std::vector<ServerAddress> servers;
  for (int i = 1; i <= 100; ++i) servers.push_back({"10.0.0.1", static_cast<std::uint16_t>(i)});
  servers.push_back(servers.front());
  engine.AskServers(servers, 0);
  EXPECT_EQ(listener.reports.size(), 100u);
  const auto first = engine.Due(0);
  ASSERT_EQ(first.size(), QueryEngine::kSendsPerStep);
  EXPECT_EQ(first[0].to, (Endpoint{0x0A000001, 1}));
  EXPECT_EQ(first[0].bytes, (Bytes{0x62, 0x2A, 0x2A}));
  EXPECT_EQ(engine.NextWake(), QueryEngine::kPacingStepMs);
  EXPECT_EQ(engine.Due(QueryEngine::kPacingStepMs).size(), 36u);
  EXPECT_EQ(engine.NextWake(), QueryEngine::kRetryAfterMs);
}

TEST_F(QueryEngineTest, TakesAnAnswerOnlyFromWhereItAskedWhileAsking) {
  const Bytes answer = TwoPlayerAnswer();
  engine.AskServers({kServerAddress}, 0);
  engine.OnDatagram(kServer, answer, 1);  // nothing sent yet
  ASSERT_EQ(engine.Due(5).size(), 1u);
  engine.OnDatagram({kServer.ip, 28002}, answer, 10);
  engine.OnDatagram({0x0A000002, kServer.port}, answer, 10);
  EXPECT_EQ(States(), (std::vector<QueryState>{QueryState::Asking}));
  engine.OnDatagram(kServer, answer, 47);
  ASSERT_EQ(States(), (std::vector<QueryState>{QueryState::Asking, QueryState::Answered}));
  EXPECT_EQ(listener.reports.back().pingMs, 42);
  EXPECT_EQ(listener.reports.back().status->name, "Alpha");
  EXPECT_FALSE(engine.NextWake());  // no retry once answered
  EXPECT_TRUE(engine.Due(400).empty());
  engine.OnDatagram(kServer, answer, 547);  // its listening over
  EXPECT_EQ(listener.reports.size(), 2u);
}

TEST_F(QueryEngineTest, RetriesTwiceHalfASecondApartThenGivesUp) {
  engine.AskServers({kServerAddress}, 0);
  std::vector<QueryEngine::Millis> sentAt;
  for (QueryEngine::Millis now = 0; now <= 2000; now += 10) {
    if (!engine.Due(now).empty()) sentAt.push_back(now);
  }
  EXPECT_EQ(sentAt, (std::vector<QueryEngine::Millis>{0, 500, 1000}));
  EXPECT_EQ(States(), (std::vector<QueryState>{QueryState::Asking, QueryState::NotAnswering}));
}

TEST_F(QueryEngineTest, MarksBadAnswers) {
  const struct {
    const char* what;
    std::vector<Bytes> packets;
    int retries;
    std::vector<QueryState> states;
  } cases[] = {
      {"garbled",
       {Bytes{1, 2, 3}, TwoPlayerAnswer()},
       0,
       {QueryState::Asking, QueryState::BadAnswer}},
      {"two packets for one query",
       {TwoPlayerAnswer(), TwoPlayerAnswer()},
       0,
       {QueryState::Asking, QueryState::Answered, QueryState::BadAnswer}},
      {"one answer per query sent",
       {TwoPlayerAnswer(), TwoPlayerAnswer()},
       1,
       {QueryState::Asking, QueryState::Answered}},
  };
  for (const auto& c : cases) {
    listener.reports.clear();
    engine.AskServers({kServerAddress}, 0);
    engine.Due(0);
    for (int i = 0; i < c.retries; ++i) engine.Due(500 * (i + 1));
    for (const Bytes& packet : c.packets) engine.OnDatagram(kServer, packet, 600);
    EXPECT_EQ(States(), c.states) << c.what;
  }
}

TEST_F(QueryEngineTest, ResolvesNamesFirst) {
  engine.AskServers({{"play.example", 28001}, {"gone.example", 28001}}, 0);
  EXPECT_TRUE(engine.Due(0).empty());
  EXPECT_EQ(engine.TakeHostsToResolve(),
            (std::vector<std::string>{"play.example", "gone.example"}));
  EXPECT_TRUE(engine.TakeHostsToResolve().empty());
  engine.Resolved("play.example", 0x0A000001, 100);
  engine.Resolved("gone.example", std::nullopt, 100);
  const auto sends = engine.Due(100);
  ASSERT_EQ(sends.size(), 1u);
  EXPECT_EQ(sends[0].to, kServer);
  EXPECT_EQ(listener.reports.back().state, QueryState::NotAnswering);
  EXPECT_EQ(listener.reports.back().address.host, "gone.example");
}

TEST_F(QueryEngineTest, MergesTheMastersListsOnceAllHaveFinished) {
  const Endpoint local{0x7F000001, 28000}, remote{0x0A000009, 28000};
  engine.AskMasters({{"127.0.0.1", 28000}, {"10.0.0.9", 28000}}, 0);
  ASSERT_EQ(engine.Due(0).size(), 2u);
  engine.OnDatagram(local, MasterPacketBytes(2, 2, {{127, 0, 0, 1, 5}}), 10);
  engine.OnDatagram(local, MasterPacketBytes(2, 2, {{127, 0, 0, 1, 6}}), 11);  // again: ignored
  engine.OnDatagram(remote, MasterPacketBytes(1, 1, {{127, 0, 0, 1, 7}, {10, 0, 0, 1, 5}}), 12);
  EXPECT_TRUE(listener.masterLists.empty());
  listener.onMasterList = [&](const auto& servers) { engine.AskServers(servers, 13); };
  engine.OnDatagram(local, MasterPacketBytes(1, 2, {{10, 0, 0, 1, 5}, {10, 0, 0, 2, 5}}), 13);
  ASSERT_EQ(listener.masterLists.size(), 1u);
  EXPECT_EQ(listener.masterLists[0],
            (std::vector<ServerAddress>{{"127.0.0.1", 5}, {"10.0.0.1", 5}, {"10.0.0.2", 5}}));
  EXPECT_EQ(engine.Due(13).size(), 3u);  // the list was asked from inside the report
}

TEST_F(QueryEngineTest, AMasterThatStopsGivesWhatItSent) {
  engine.AskMasters({{"10.0.0.9", 28000}}, 0);
  engine.Due(0);
  engine.OnDatagram({0x0A000009, 28000}, MasterPacketBytes(1, 2, {{10, 0, 0, 1, 5}}), 10);
  for (QueryEngine::Millis now = 0; now <= 2000; now += 10) EXPECT_TRUE(engine.Due(now).empty());
  EXPECT_EQ(listener.masterLists, (std::vector<std::vector<ServerAddress>>{{{"10.0.0.1", 5}}}));
}

TEST_F(QueryEngineTest, StopForgetsEverything) {
  engine.AskMasters({{"10.0.0.9", 28000}}, 0);
  engine.AskServers({kServerAddress}, 0);
  engine.Due(0);
  engine.Stop();
  engine.OnDatagram(kServer, TwoPlayerAnswer(), 10);
  for (QueryEngine::Millis now = 0; now <= 2000; now += 100) engine.Due(now);
  EXPECT_EQ(listener.reports.size(), 1u);
  EXPECT_TRUE(listener.masterLists.empty());
  engine.AskMasters({}, 0);
  EXPECT_EQ(listener.masterLists.size(), 1u);
}

}  // namespace
}  // namespace cindermoor
