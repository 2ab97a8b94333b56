#pragma once

#include <string>

namespace plivant {

// The archive file of this installation: "archive.sqlite3" beside the program in a portable
// copy (its folder holds "servers.ini"), otherwise in $XDG_DATA_HOME/plivant (or
// ~/.local/share/plivant). Needs the application object.
std::string DefaultArchivePath();

}  // namespace plivant
