// The main window's behaviour: its controls' values and the handlers they raise. A value
// changed from code raises the same handler as the user's change, so both roads store alike.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "ui/dialogs.h"
#include "ui/main_form_view.h"

namespace cindermoor {

class LauncherSettings;
class ProtocolHandler;
class OutsidePrograms;
class ProgramControl;

struct MainFormServices {
  LauncherSettings& settings;
  ProtocolHandler& protocol;
  OutsidePrograms& programs;
  Dialogs& dialogs;
  ProgramControl& program;
  std::function<void()> showLocatorWindow;
};

class MainForm {
 public:
  MainForm(MainFormServices services, MainFormView& view);

  // Control values, set from code or by the user; each change raises the control's handler.
  void SetText(MainControl box, const std::string& text);
  void SetCheck1(int value);
  void SelectOption1();
  void SelectOption2();
  void SetPictureVisible(MainControl picture, bool visible);
  // Enables or disables Text1, Text2 and Text3, in that order.
  void SetBoxesEnabled(bool enabled);
  void SetLabel8(const std::string& caption);
  void Compact();
  void Show();
  void Hide();

  const std::string& Text(MainControl box) const;
  bool Enabled(MainControl box) const;
  int Check1() const { return check1_; }
  bool Option1() const { return option1_; }
  bool Option2() const { return option2_; }
  bool PictureVisible(MainControl picture) const;
  const std::string& Label8() const { return label8_; }
  bool IsCompact() const { return compact_; }
  bool IsVisible() const { return visible_; }

  // Clicks on the picture buttons.
  void Image1_Click();
  void Image2_Click();
  void Image4_Click();
  void Image5_Click();
  void Image6_Click();

 private:
  void Check1_Click();
  void Option1_Click();
  void Option2_Click();
  void Text1_Change();
  void Text2_Change();
  void Text3_Change();
  void ShowInstallButton(bool installShown);

  MainFormServices services_;
  MainFormView& view_;
  std::array<std::string, 3> texts_;
  std::array<bool, 3> enabled_{true, true, true};
  int check1_ = 0;
  bool option1_ = true;
  bool option2_ = false;
  bool image5Visible_ = true;
  bool image4Visible_ = true;
  std::string label8_;
  bool compact_ = false;
  bool visible_ = false;
};

}  // namespace cindermoor
