// The start-up sequence's window operations, carried out on the real forms.
#pragma once

#include <functional>

#include "launcher/window_operations.h"
#include "ui/main_form.h"

namespace cindermoor {

class FormOperations : public WindowOperations {
 public:
  FormOperations(MainForm& main, std::function<void()> showLocator, std::function<void()> showQuit)
      : main_(main), showLocator_(std::move(showLocator)), showQuit_(std::move(showQuit)) {}

  void ShowGameFolder(const std::string& folder) override { main_.ShowGameFolder(folder); }
  void FillVoiceFields(const VoiceFields& fields) override;
  void SetLaunchBox(int value) override { main_.ShowStoredLaunchBox(value); }
  void SelectVoiceMode(VoiceMode mode) override;
  void ShowInstallState(bool installed) override;
  void ShowVoiceClient(std::size_t chosen, const std::string& name,
                       const std::vector<bool>& installed) override {
    main_.ShowStoredVoiceClient(chosen, name, installed);
  }
  void Compact() override { main_.Compact(); }
  void HideMainWindow() override { main_.Hide(); }
  void ShowLocatorWindow() override { showLocator_(); }
  void ShowQuitWindow() override { showQuit_(); }

 private:
  MainForm& main_;
  std::function<void()> showLocator_;
  std::function<void()> showQuit_;
};

}  // namespace cindermoor
