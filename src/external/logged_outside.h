// The ways to the outside with each program start and each URL opened written to the log:
// wrapped around the real starter and openers, so no caller can start one unlogged.
#pragma once

#include "external/mumble_opener.h"
#include "external/program_starter.h"
#include "log/event_log.h"

namespace cindermoor {

class LoggedStarter : public ProgramStarter {
 public:
  LoggedStarter(ProgramStarter& starter, EventLog& log) : starter_(starter), log_(log) {}
  void Start(const ProgramStart& start) override;
  bool FileExists(const std::string& path) override { return starter_.FileExists(path); }

 private:
  ProgramStarter& starter_;
  EventLog& log_;
};

class LoggedWebOpener : public WebOpener {
 public:
  LoggedWebOpener(WebOpener& opener, EventLog& log) : opener_(opener), log_(log) {}
  void OpenWebPage(const std::string& url) override;

 private:
  WebOpener& opener_;
  EventLog& log_;
};

class LoggedMumbleOpener : public MumbleOpener {
 public:
  LoggedMumbleOpener(MumbleOpener& opener, EventLog& log) : opener_(opener), log_(log) {}
  bool Available() override { return opener_.Available(); }
  Outcome CheckCarries(const std::string& url) override { return opener_.CheckCarries(url); }
  Outcome Open(const std::string& url) override;

 private:
  MumbleOpener& opener_;
  EventLog& log_;
};

}  // namespace cindermoor
