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

void apply(ShellState& shell, SettingsFile file, const std::array<std::string, 5>& fields) {
    const std::string& value = fields[1];
    switch (file) {
    case SettingsFile::Ip: {
        const std::string key = trimmedSpaces(fields[0]);
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
        if (fields[0] == "RSaveFolder") shell.rSaveFolder = value;
        else if (fields[0] == "RSaveName") shell.rSaveName = value;
        else if (fields[0] == "RSaveFlag") setFlag(shell.rSaveFlag, value);
        break;
    case SettingsFile::Wave:
        if (fields[0] == "WaveAutoSavePath") shell.waveAutoSavePath = value;
        else if (fields[0] == "WaveAutoSave") setFlag(shell.waveAutoSave, value);
        break;
    }
}

} // namespace

std::array<std::string, 5> settingsFields(std::string_view line) {
    std::array<std::string, 5> fields{};
    std::size_t field = 0;
    for (char c : line) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\t') {
            if (field < fields.size() - 1) ++field;
        } else if (code >= 32 && code <= 127) {
            fields[field] += c;
        }
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
        for (const std::string& line : textLines(*bytes))
            apply(shell, file, settingsFields(line));
    }
}

} // namespace plotwise
