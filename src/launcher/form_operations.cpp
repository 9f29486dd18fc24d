#include "launcher/form_operations.h"

namespace cindermoor {

void FormOperations::FillVoiceFields(const VoiceFields& fields) {
  main_.SetText(EntryBox::Server, fields.server);
  main_.SetText(EntryBox::Channel, fields.channel);
  main_.SetText(EntryBox::Password, fields.password);
}

// The option's own handler enables or disables the boxes only when the choice changes, so
// the boxes are set here as well.
void FormOperations::SelectVoiceMode(VoiceMode mode) {
  const bool ownServer = mode == VoiceMode::OwnServer;
  if (ownServer) {
    main_.SelectOwnServer();
  } else {
    main_.SelectCommunityServer();
  }
  main_.SetBoxesEnabled(ownServer);
}

void FormOperations::ShowInstallState(bool installed) {
  main_.SetPictureVisible(MainControl::InstallButton, !installed);
  main_.SetPictureVisible(MainControl::UninstallButton, installed);
}

VoiceFields FormOperations::ReadVoiceFields() const {
  return {main_.Text(EntryBox::Server), main_.Text(EntryBox::Channel),
          main_.Text(EntryBox::Password)};
}

}  // namespace cindermoor
