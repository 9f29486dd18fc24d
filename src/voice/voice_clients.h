// Every voice client the launcher knows, in the order the window offers them.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "voice/voice_client.h"

namespace cindermoor {

class VoiceClients {
 public:
  explicit VoiceClients(const VoiceServices& services);

  std::size_t Count() const { return clients_.size(); }
  VoiceClient& At(std::size_t index) const { return *clients_[index]; }
  // The client a stored VoiceClient setting chooses: the one of exactly that name, else the
  // first, which is the default.
  std::size_t Chosen(std::string_view stored) const;

 private:
  std::vector<std::unique_ptr<VoiceClient>> clients_;
};

}  // namespace cindermoor
