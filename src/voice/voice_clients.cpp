#include "voice/voice_clients.h"

#include "log/event_log.h"

namespace cindermoor {

// Each client's own file makes it. A new client is a new file and a line in kMakers.
std::unique_ptr<VoiceClient> MakeRogerWilco(const VoiceServices& services);
std::unique_ptr<VoiceClient> MakeMumble(const VoiceServices& services);
std::unique_ptr<VoiceClient> MakeTeamSpeak(const VoiceServices& services);

namespace {

using VoiceClientMaker = std::unique_ptr<VoiceClient> (*)(const VoiceServices&);

// The order of the window's options; the first is chosen when the setting names no client.
constexpr VoiceClientMaker kMakers[] = {MakeRogerWilco, MakeMumble, MakeTeamSpeak};

}  // namespace

// Every client's masking joins the log before any client starts anything, so no event can
// show a password of what one starts.
VoiceClients::VoiceClients(const VoiceServices& services) {
  for (VoiceClientMaker make : kMakers) {
    clients_.push_back(make(services));
    services.log.MaskAlso(clients_.back()->Masking());
  }
}

std::size_t VoiceClients::Chosen(std::string_view stored) const {
  for (std::size_t index = 0; index < clients_.size(); ++index) {
    if (stored == clients_[index]->StoredName()) return index;
  }
  return 0;
}

}  // namespace cindermoor
