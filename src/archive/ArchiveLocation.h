#pragma once

#include <string>

namespace plivant {

// The archive file of this installation: "archive.sqlite3" where the program keeps its data
// files (beside a portable copy, in the configuration folder named at start, or in
// $XDG_DATA_HOME/plivant). Needs the application object.
std::string DefaultArchivePath();

}  // namespace plivant
