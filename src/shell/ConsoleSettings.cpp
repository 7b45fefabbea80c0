#include "ConsoleSettings.h"

#include "TextLines.h"

namespace plotwise {
namespace {

enum class SettingsFile { Ip, Moni, Wave };

std::string trimmedSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void setFlag(bool& flag, const std::string& value) {
    if (value == "True") flag = true;
    else if (value == "False") flag = false;
}

// The characters a settings field keeps: printable ASCII.
bool keptInField(char c) {
    const auto code = static_cast<unsigned char>(c);
    return c != '\t' && code >= 32 && code <= 127;
}

// Appends the kept characters of `text` to `field`, whole runs at a time.
void appendKept(std::string& field, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t run = i;
        while (run < text.size() && keptInField(text[run])) ++run;
        field.append(text.substr(i, run - i));
        i = run == i ? i + 1 : run;
    }
}

// Fields 0 and 1 of a line, cut as settingsFields cuts them; the rest of the
// line is not looked at.
struct KeyAndValue {
    std::string key;
    std::string value;
};
KeyAndValue keyAndValue(std::string_view line) {
    KeyAndValue fields;
    const std::size_t tab = line.find('\t');
    appendKept(fields.key, line.substr(0, tab));
    if (tab != std::string_view::npos) {
        const std::string_view rest = line.substr(tab + 1);
        appendKept(fields.value, rest.substr(0, rest.find('\t')));
    }
    return fields;
}

void apply(ShellState& shell, SettingsFile file, const KeyAndValue& fields) {
    const std::string& value = fields.value;
    switch (file) {
    case SettingsFile::Ip: {
        const std::string key = trimmedSpaces(fields.key);
        if (key == "StationName") {
            shell.stationName = value;
        } else if (key == "ResumeSetup") {
            shell.resumeSetup = value == "True";
            if (shell.resumeSetup)
                shell.resumeParamFile = joinPath(shell.consoleSettingsFolder, "Resume.nrpar");
        }
        break;
    }
    case SettingsFile::Moni:
        if (fields.key == "RSaveFolder") shell.rSaveFolder = value;
        else if (fields.key == "RSaveName") shell.rSaveName = value;
        else if (fields.key == "RSaveFlag") setFlag(shell.rSaveFlag, value);
        break;
    case SettingsFile::Wave:
        if (fields.key == "WaveAutoSavePath") shell.waveAutoSavePath = value;
        else if (fields.key == "WaveAutoSave") setFlag(shell.waveAutoSave, value);
        break;
    }
}

} // namespace

std::array<std::string, 5> settingsFields(std::string_view line) {
    std::array<std::string, 5> fields{};
    // The last field takes the rest of the line, its TABs dropped.
    std::size_t start = 0;
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const std::size_t tab = field + 1 < fields.size() ? line.find('\t', start) : line.npos;
        appendKept(fields[field], line.substr(start, tab == line.npos ? line.npos : tab - start));
        if (tab == line.npos) break;
        start = tab + 1;
    }
    return fields;
}

void readConsoleSettings(ShellState& shell, const FileSystem& fs, const Platform& platform) {
    static constexpr std::pair<const char*, SettingsFile> kFiles[] = {
        {"IP.SYS", SettingsFile::Ip}, {"MONI.SYS", SettingsFile::Moni}, {"WAVE.SYS", SettingsFile::Wave}};
    for (const auto& [name, file] : kFiles) {
        const std::string path = joinPath(shell.consoleSettingsFolder, name);
        if (platform.fileSize(path) < 1) continue;
        const auto bytes = fs.read(path);
        if (!bytes) return;
        const SettingsFile kind = file; // a structured binding is not captured everywhere
        forEachTextLine(*bytes, [&shell, kind](std::string_view line) {
            apply(shell, kind, keyAndValue(line));
        });
    }
}

} // namespace plotwise
