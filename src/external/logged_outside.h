// The ways to the outside with each program start and each URL opened written to the log:
// wrapped around the real starter and openers, so no caller can start one unlogged.
#pragma once

#include "external/program_starter.h"
#include "external/url_opener.h"
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

class LoggedUrlOpener : public UrlOpener {
 public:
  LoggedUrlOpener(UrlOpener& opener, EventLog& log) : opener_(opener), log_(log) {}
  bool Opens(const std::string& scheme) override { return opener_.Opens(scheme); }
  Outcome CheckCarries(const UrlToOpen& url) override { return opener_.CheckCarries(url); }
  Outcome Open(const UrlToOpen& url) override;

 private:
  UrlOpener& opener_;
  EventLog& log_;
};

}  // namespace cindermoor
