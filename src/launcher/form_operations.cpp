#include "launcher/form_operations.h"

namespace cindermoor {

void FormOperations::FillVoiceFields(const VoiceFields& fields) {
  main_.SetText(MainControl::Text1, fields.server);
  main_.SetText(MainControl::Text2, fields.channel);
  main_.SetText(MainControl::Text3, fields.password);
}

// The option's own handler enables or disables the boxes only when the choice changes, so
// the boxes are set here as well.
void FormOperations::SelectVoiceMode(VoiceMode mode) {
  const bool ownServer = mode == VoiceMode::OwnServer;
  if (ownServer) {
    main_.SelectOption2();
  } else {
    main_.SelectOption1();
  }
  main_.SetBoxesEnabled(ownServer);
}

void FormOperations::ShowInstallState(bool installed) {
  main_.SetPictureVisible(MainControl::Image5, !installed);
  main_.SetPictureVisible(MainControl::Image4, installed);
}

VoiceFields FormOperations::ReadVoiceFields() const {
  return {main_.Text(MainControl::Text1), main_.Text(MainControl::Text2),
          main_.Text(MainControl::Text3)};
}

}  // namespace cindermoor
