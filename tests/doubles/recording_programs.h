// A program starter and a web opener that record instead of acting: the portable tests' view
// of what the system starts and opens.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "external/program_starter.h"

namespace cindermoor {

// FileExists answers from a list of files the test says exist.
class RecordingStarter : public ProgramStarter {
 public:
  void Start(const ProgramStart& start) override {
    if (onStart) onStart(start);
    starts.push_back(start);
  }
  bool FileExists(const std::string& path) override { return existingFiles.count(path) != 0; }

  std::vector<ProgramStart> starts;
  std::set<std::string> existingFiles;
  // Sees each start as it begins, and may fail it by throwing.
  std::function<void(const ProgramStart&)> onStart;
};

class RecordingWebOpener : public WebOpener {
 public:
  void OpenWebPage(const std::string& url) override { urls.push_back(url); }

  std::vector<std::string> urls;
};

}  // namespace cindermoor
