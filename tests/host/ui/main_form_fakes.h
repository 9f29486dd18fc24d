// Test doubles around the main window's behaviour: a view that remembers what it was told,
// scripted message boxes, and a recorder of program ends and window switches.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/main_form_view.h"
#include "ui/program_control.h"

namespace cindermoor::fakes {

class RecordingView : public MainFormView {
 public:
  void SetText(MainControl control, const std::string& text) override { texts[control] = text; }
  void SetEnabled(MainControl control, bool enabled) override { enabled_[control] = enabled; }
  void SetChecked(MainControl control, bool checked) override { checked_[control] = checked; }
  void SetVisible(MainControl control, bool visible) override { visible_[control] = visible; }
  void SetSettingBox(size_t box, bool ticked) override { settingBoxes[box] = ticked; }
  void ShowVoiceClient(size_t chosen, const VoiceTexts& texts) override {
    voiceClient = chosen;
    voiceTexts = texts;
  }
  void Compact() override { compact = true; }
  void Show() override { shown = true; }
  void Hide() override { shown = false; }

  std::map<MainControl, std::string> texts;
  std::map<MainControl, bool> enabled_;
  std::map<MainControl, bool> checked_;
  std::map<MainControl, bool> visible_;
  std::map<size_t, bool> settingBoxes;
  size_t voiceClient = 0;
  VoiceTexts voiceTexts{};
  bool compact = false;
  bool shown = false;
};

struct ShownMessage {
  std::string text;
  std::string title;
};

class ScriptedDialogs : public Dialogs {
 public:
  bool AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) override {
    questions.push_back({text, title});
    yesWasDefault.push_back(yesIsDefault);
    const bool answer = answers.empty() ? false : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text, const std::string& title) override {
    messages.push_back({text, title});
  }

  std::deque<bool> answers;  // Yes is true; an empty script answers No
  std::vector<ShownMessage> questions;
  std::vector<bool> yesWasDefault;
  std::vector<ShownMessage> messages;
};

class RecordingProgramControl : public ProgramControl {
 public:
  void EndProgram() override { ++ends; }
  int ends = 0;
};

}  // namespace cindermoor::fakes
