// Any datagram a server or master may send, and any stored list, is read without a fault, and
// what is read keeps its promises: texts without control characters, no more players than
// room, no address that cannot be asked.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "servers/master_list.h"
#include "servers/query_engine.h"
#include "servers/server_lists.h"
#include "servers/server_status.h"

namespace {

using namespace cindermoor;

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequirePlain(const std::string& text) {
  for (const char c : text) Require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
}

void CheckStatus(std::span<const std::uint8_t> bytes) {
  const auto status = ParseStatusAnswer(bytes);
  if (!status) return;
  Require(status->players == static_cast<int>(status->playerList.size()));
  Require(status->players <= status->maxPlayers);
  for (const std::string* text : {&status->name, &status->map, &status->gameType, &status->mod})
    RequirePlain(*text);
  for (const PlayerStatus& player : status->playerList) RequirePlain(player.name + player.team);
}

void CheckMaster(std::span<const std::uint8_t> bytes) {
  const auto packet = ParseMasterPacket(bytes);
  if (!packet) return;
  MasterList list;
  list.Add(*packet, false);
  for (const ServerAddress& server : list.Servers()) {
    Require(server.port != 0 && !server.host.starts_with("127.") && !server.host.starts_with("0."));
  }
}

struct Listener : ServerQueryListener {
  void OnServerReport(const ServerReport& report) override {
    Require(report.state != QueryState::Answered || report.status);
  }
  void OnMasterList(const std::vector<ServerAddress>&) override {}
};

void CheckEngine(std::span<const std::uint8_t> bytes) {
  Listener listener;
  QueryEngine engine(listener);
  engine.AskServers({{"10.0.0.1", 28001}}, 0);
  engine.AskMasters({{"10.0.0.2", 28000}}, 0);
  engine.Due(0);
  engine.OnDatagram({0x0A000001, 28001}, bytes, 5);
  engine.OnDatagram({0x0A000002, 28000}, bytes, 5);
  engine.Due(5000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckStatus(bytes);
  CheckMaster(bytes);
  CheckEngine(bytes);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const ServerAddress& server : ParseServerList(text, 30)) {
    Require(ParseAddress(AddressText(server), 1) == server);
  }
  Require(!ParseMasters(text).empty());
  return 0;
}
