#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace plivant {

// "servers.ini": the server list editor's text in Windows-1251, lines separated by CR LF, no
// line end after the last line.
class ServersFile {
public:
    explicit ServersFile(std::string path);

    const std::string& Path() const { return path_; }
    bool Exists() const;
    // The text with every CR, LF and LF CR line end made CR LF. Throws SettingsError
    // ("Cannot open file ...").
    std::string Load() const;
    // Replaces the file atomically. Throws SettingsError ("Cannot create file ...").
    void Save(const std::string& text) const;

private:
    std::string path_;
};

// "servers.ini" in `folder` (the executable's folder in the program).
std::string ServersFilePath(const QString& folder);

// Line ends made CR LF: CR LF stays, LF CR, a lone CR and a lone LF each become CR LF.
std::string AdjustLineBreaks(std::string_view text);

// The entries of a CR LF text: the text between line breaks (not the lines as the editor wraps
// them), a trailing empty line not counting.
std::vector<std::string> ServerEntries(std::string_view text);

// The editor holds Unicode with LF line ends; the file and the entries are CR LF bytes.
QString EditorText(std::string_view crlfBytes);
std::string CrLfBytes(const QString& editorText);

}  // namespace plivant
