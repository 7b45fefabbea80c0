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
    auto kept = [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return c != '\t' && code >= 32 && code <= 127;
    };
    // Runs of kept characters are appended whole: a long line costs one pass.
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == '\t') {
            if (field < fields.size() - 1) ++field;
            ++i;
            continue;
        }
        std::size_t run = i;
        while (run < line.size() && kept(line[run])) ++run;
        fields[field].append(line.substr(i, run - i));
        i = run == i ? i + 1 : run;
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
        for (std::string_view line : textLineViews(*bytes))
            apply(shell, file, settingsFields(line));
    }
}

} // namespace plotwise
