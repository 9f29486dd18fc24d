// Wine's own window font for this process, when the system it runs on lacks that face.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "desktop/unix_desktop.h"

namespace cindermoor::win32 {

// Whether the system has a face of that name in that character set, asked without making a
// font of it.
bool SystemHasFace(const wchar_t* face, BYTE characterSet = DEFAULT_CHARSET);

// When the system lacks the face, adds the first of these font files that holds it,
// for this process only: nothing is written to the system. Returns whether the face is there
// afterwards.
bool ProvideFace(const wchar_t* face, const std::vector<std::string>& fontFiles,
                 BYTE characterSet = DEFAULT_CHARSET);
// The same for the windows' face.
bool ProvideWindowFace(const std::vector<std::string>& fontFiles,
                       BYTE characterSet = DEFAULT_CHARSET);

// Under Wine, provides the windows' face in the character set of the language's letters, from
// where Wine keeps its fonts. It must run before anything asks for that face: once a request
// has fallen back to another face, Wine keeps answering it with that one.
void ProvideWindowFaceUnderWine(UnixDesktop& desktop, std::size_t language);
// The same for the symbols of title bars' buttons, before the first window with a title bar.
void ProvideTitleBarSymbolsUnderWine(UnixDesktop& desktop);

}  // namespace cindermoor::win32
