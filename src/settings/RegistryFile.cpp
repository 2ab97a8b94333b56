#include "settings/RegistryFile.h"

#include <QString>

#include "core/TextCodec.h"
#include "settings/RegistryData.h"
#include "settings/SettingsError.h"
#include "settings/TextLines.h"

namespace plivant {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimRight(s);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

class Parser {
public:
    explicit Parser(std::string_view bytes) : lines_(SplitLines(bytes, "\n")) {}

    RegDocument Run() {
        if (lines_.empty() || TrimRight(lines_[0]) != kHeader) {
            Fail(0, "файл не начинается строкой «REGEDIT4»");
        }
        for (at_ = 1; at_ < lines_.size(); ++at_) ParseLine(TrimRight(lines_[at_]));
        return std::move(document_);
    }

private:
    [[noreturn]] void Fail(size_t index, const QString& problem) const {
        throw SettingsError(QString("строка %1: %2").arg(index + 1).arg(problem));
    }

    void ParseLine(std::string_view line) {
        if (line.empty()) return;
        if (line.front() == ';') {
            RegEntry comment{"", std::string(line), true};
            if (section_) {
                section_->Entries.push_back(std::move(comment));
            } else {
                document_.Preamble.push_back(std::move(comment.Data));
            }
        } else if (line.front() == '[') {
            ParseSection(line);
        } else {
            ParseValue(line);
        }
    }

    void ParseSection(std::string_view line) {
        if (line.back() != ']') Fail(at_, "нет закрывающей скобки «]»");
        std::string key(line.substr(1, line.size() - 2));
        if (key.empty()) Fail(at_, "раздел без имени");
        if (document_.FindSection(key)) {
            Fail(at_, QString("раздел «%1» встречается дважды").arg(FromWire(key)));
        }
        section_ = &document_.AddSection(std::move(key));
    }

    void ParseValue(std::string_view line) {
        if (!section_) Fail(at_, "значение вне раздела");
        std::string name;
        size_t end = 1;
        if (line.front() == '"') {
            std::optional<std::string> quoted = ReadQuoted(line, end);
            if (!quoted) Fail(at_, "имя значения не закрыто кавычкой");
            name = std::move(*quoted);
        } else if (line.front() != '@') {
            Fail(at_, "непонятная строка");
        }
        if (end >= line.size() || line[end] != '=') Fail(at_, "нет знака «=» после имени");
        std::string data = JoinContinuations(line.substr(end + 1));
        if (!IsValidData(data)) {
            Fail(at_, QString("непонятные данные значения «%1»").arg(FromWire(name)));
        }
        if (section_->FindValue(name)) {
            Fail(at_, QString("значение «%1» встречается дважды").arg(FromWire(name)));
        }
        section_->Entries.push_back({std::move(name), std::move(data), false});
    }

    // Hex data may go on over lines ending in a backslash.
    std::string JoinContinuations(std::string_view first) {
        std::string data(first);
        if (data.empty() || data.front() == '"') return data;
        while (!data.empty() && data.back() == '\\' && at_ + 1 < lines_.size()) {
            data.pop_back();
            data += Trim(lines_[++at_]);
        }
        return data;
    }

    std::vector<std::string_view> lines_;
    size_t at_ = 0;
    RegDocument document_;
    RegSection* section_ = nullptr;
};

}  // namespace

RegEntry* RegSection::FindValue(std::string_view name) {
    for (RegEntry& entry : Entries) {
        if (!entry.Comment && SameRegName(entry.Name, name)) return &entry;
    }
    return nullptr;
}

const RegEntry* RegSection::FindValue(std::string_view name) const {
    return const_cast<RegSection*>(this)->FindValue(name);
}

void RegSection::SetValue(const std::string& name, std::string data) {
    if (RegEntry* entry = FindValue(name)) {
        entry->Data = std::move(data);
    } else {
        Entries.push_back({name, std::move(data), false});
    }
}

RegSection* RegDocument::FindSection(std::string_view key) {
    for (RegSection& section : Sections) {
        if (SameRegName(section.Key, key)) return &section;
    }
    return nullptr;
}

const RegSection* RegDocument::FindSection(std::string_view key) const {
    return const_cast<RegDocument*>(this)->FindSection(key);
}

RegSection& RegDocument::AddSection(std::string key) {
    Sections.push_back({std::move(key), {}});
    return Sections.back();
}

RegDocument ParseRegDocument(std::string_view bytes) { return Parser(bytes).Run(); }

std::string FormatRegDocument(const RegDocument& document) {
    std::string out = std::string(kHeader) + "\r\n\r\n";
    for (const std::string& comment : document.Preamble) out += comment + "\r\n";
    if (!document.Preamble.empty()) out += "\r\n";
    for (const RegSection& section : document.Sections) {
        out += "[" + section.Key + "]\r\n";
        for (const RegEntry& entry : section.Entries) {
            if (!entry.Comment) out += (entry.Name.empty() ? "@" : Quote(entry.Name)) + "=";
            out += entry.Data + "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace plivant
