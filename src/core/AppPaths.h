#pragma once

#include <QString>
#include <QStringList>

namespace plivant {

// Where the program's files live. A program folder that holds "servers.ini" is a portable copy
// (as `make run` makes one): the files it writes stay beside the program. Otherwise they go where
// Linux keeps a user's files (the XDG base folders), and what the package ships is read from the
// installed data folders. A configuration folder named on the command line holds every file the
// program writes, so that several sets of settings can live side by side.
class AppPaths {
public:
    // `programFolder`: the folder of the executable (or of a tool); `configFolder`: empty for
    // the usual places.
    explicit AppPaths(QString programFolder, QString configFolder = {});
    // The paths of the running program.
    static AppPaths ForThisProgram(const QString& configFolder = {});

    bool Portable() const { return portable_; }
    const QString& ProgramFolder() const { return programFolder_; }

    // The folder of "Plivant.reg" and "servers.ini": $XDG_CONFIG_HOME/Brellan, or the
    // configuration folder.
    QString ConfigFolder() const;
    QString RegistryFile() const;
    // Beside a portable program; otherwise in ConfigFolder().
    QString ServersFile() const;
    // Beside a portable program, in the configuration folder, or $XDG_STATE_HOME/plivant.
    QString ServerLogFile() const;
    // A per-user data file (the news archive): beside a portable program, in the configuration
    // folder, or in $XDG_DATA_HOME/plivant.
    QString DataFilePath(const QString& name) const;

    // "message.mid": the first of the program's folder, the installed data folders and the
    // data folder of the install prefix that holds it; empty when none does.
    QString TuneFile() const;
    // Where skin files are looked for: the program's folder, $XDG_DATA_HOME/plivant/skins and
    // the installed data folders' "plivant/skins".
    QStringList SkinFolders() const;

    // Makes the folder of `filePath` when it is missing; false when it cannot be made.
    static bool MakeFolderOf(const QString& filePath);

private:
    QString WritableFile(const QString& xdgFolder, const QString& name) const;
    // The installed data folders, "plivant" inside each: the XDG ones, then the one of the
    // prefix the program runs from (share/plivant beside bin/).
    QStringList InstalledDataFolders() const;

    QString programFolder_;
    QString configFolder_;
    bool portable_;
};

// The running program's paths, set once at start-up (the command line may name a configuration
// folder); AppPaths::ForThisProgram() until then.
const AppPaths& ProgramPaths();
void SetProgramPaths(const AppPaths& paths);

// $XDG_CONFIG_HOME, $XDG_STATE_HOME, $XDG_DATA_HOME, with the defaults under the home folder
// when unset or relative (the base directory rules say relative values are ignored).
QString XdgConfigHome();
QString XdgStateHome();
QString XdgDataHome();

}  // namespace plivant
