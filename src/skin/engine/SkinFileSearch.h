#pragma once

#include <QString>
#include <QStringList>

namespace skin {

// The folders a skin file name is looked for in when it names no existing file: the executable's
// folder, then the user's and the system's data folders.
QStringList SkinSearchFolders();

// A host program's own search folders, used instead of those above when not empty.
void SetSkinSearchFolders(const QStringList& folders);

// The file itself when it exists; otherwise its file-name part in the first search folder that
// holds it; empty when none does.
QString FindSkinFile(const QString& fileName);

}  // namespace skin
