#include "launcher/form_operations.h"

namespace cindermoor {

void FormOperations::FillVoiceFields(const VoiceFields& fields) {
  main_.ShowStoredText(EntryBox::Server, fields.server);
  main_.ShowStoredText(EntryBox::Channel, fields.channel);
  main_.ShowStoredText(EntryBox::Password, fields.password);
}

void FormOperations::SelectVoiceMode(VoiceMode mode) {
  main_.ShowStoredVoiceMode(mode == VoiceMode::OwnServer);
}

void FormOperations::ShowInstallState(bool installed) {
  main_.SetPictureVisible(MainControl::InstallButton, !installed);
  main_.SetPictureVisible(MainControl::UninstallButton, installed);
}

}  // namespace cindermoor
