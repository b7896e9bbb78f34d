#include "app/Settings.h"

#include "app/ProfileStrings.h"
#include "app/UserFolders.h"
#include "engine/Convert.h"

namespace vellumar {

namespace {

constexpr const char* kFaceKey = "Face";
constexpr const char* kWordFont = "WordFont";
constexpr const char* kWordListFont = "WordListFont";
constexpr const char* kFlags = "YO";

void Write(const std::string& path, const char* section, const char* key, const std::string& value) {
    if (!WritePrivateProfileString(path, section, key, value))
        throw EIniFileException("Unable to write to " + path);
}

bool ReadFlag(const std::string& path, const char* key) {
    return ReadFlagValue(GetPrivateProfileString(path, kFlags, key, ""), true);
}

}  // namespace

bool ReadFlagValue(const std::string& text, bool defaultValue) {
    std::string number = text;
    if (number.size() > 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X'))
        number.replace(0, 2, "$");
    try {
        return StrToInt(number) != 0;
    } catch (const EConvertError&) {
        return defaultValue;
    }
}

Settings ReadSettings() {
    const std::string path = SettingsPath();
    Settings s;
    s.wordFontFace = GetPrivateProfileString(path, kWordFont, kFaceKey, DefaultFontFace);
    s.wordListFontFace = GetPrivateProfileString(path, kWordListFont, kFaceKey, DefaultFontFace);
    s.equivalences.yo_ye = ReadFlag(path, "yo_ye");
    s.equivalences.y_i = ReadFlag(path, "y_i");
    s.equivalences.tz_mz = ReadFlag(path, "tz_mz");
    return s;
}

void WriteSettings(const Settings& settings) {
    const std::string path = SettingsPath();
    CreateFolderOf(path);   // a failure shows in the first write
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    Write(path, kWordFont, kFaceKey, settings.wordFontFace);
    Write(path, kWordListFont, kFaceKey, settings.wordListFontFace);
    Write(path, kFlags, "yo_ye", flag(settings.equivalences.yo_ye));
    Write(path, kFlags, "y_i", flag(settings.equivalences.y_i));
    Write(path, kFlags, "tz_mz", flag(settings.equivalences.tz_mz));
}

}  // namespace vellumar
