// The command line or URL stands last in each event: the log masks a link's passwords to the
// end of the event.
#include "external/logged_outside.h"

namespace cindermoor {
namespace {

std::string Described(const ProgramStart& start) {
  return start.programPath + " in " + start.folder + ", command line: " + start.commandLine;
}

}  // namespace

void LoggedStarter::Start(const ProgramStart& start) {
  try {
    starter_.Start(start);
  } catch (const FatalError& failure) {
    log_.Write(std::string("Program not started (") + failure.what() + "): " + Described(start));
    throw;
  }
  log_.Write("Program started: " + Described(start));
}

// The system does not say whether the browser opened it.
void LoggedWebOpener::OpenWebPage(const std::string& url) {
  opener_.OpenWebPage(url);
  log_.Write("Web page handed to the browser: " + url);
}

Outcome LoggedUrlOpener::Open(const UrlToOpen& url) {
  Outcome opened = opener_.Open(url);
  log_.Write(opened.Succeeded() ? "URL opened: " + url.url
                                : "URL not opened (" + opened.Reason() + "): " + url.url);
  return opened;
}

}  // namespace cindermoor
