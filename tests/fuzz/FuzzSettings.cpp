// Feeds arbitrary bytes to the settings-file reader and writer, and to the
// rule that reads a number from text.

#include "canvas/EditingState.h"
#include "settings/BlockSizeSettings.h"
#include "settings/IniText.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPath.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string ScratchFolder() {
    static const std::string folder = "/tmp/velmora-fuzz-settings-" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return folder;
}

std::int16_t ExpectedDimension(const std::string& text, const char* key) {
    std::string value = FindIniValue(text, SETTINGS_SECTION, key).value_or(SETTINGS_DEFAULT_VALUE);
    if (value.size() > SETTINGS_VALUE_MAX_LENGTH) value.resize(SETTINGS_VALUE_MAX_LENGTH);
    return ReadNumber(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = ScratchFolder();
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Leading blanks never change what a number reads as.
    if (ReadNumber(text) != ReadNumber(" \t" + text)) __builtin_trap();

    // The file, read through the program's own path, agrees with the text.
    SetSettingsFolderForTests(folder);
    if (std::FILE* f = std::fopen((folder + "/" + SETTINGS_FILE_NAME).c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    BlockSizeSettings("get");
    if (size <= SETTINGS_FILE_SIZE_LIMIT &&
        (Editing().BlockWidth != ExpectedDimension(text, SETTINGS_KEY_WIDTH) ||
         Editing().BlockHeight != ExpectedDimension(text, SETTINGS_KEY_HEIGHT))) {
        __builtin_trap();
    }

    // A value written reads back, and the other key is left as it was.
    const std::string written = SetIniValue(text, SETTINGS_SECTION, SETTINGS_KEY_WIDTH, " 17");
    if (FindIniValue(written, SETTINGS_SECTION, SETTINGS_KEY_WIDTH) != "17") __builtin_trap();
    if (FindIniValue(written, SETTINGS_SECTION, SETTINGS_KEY_HEIGHT) !=
        FindIniValue(text, SETTINGS_SECTION, SETTINGS_KEY_HEIGHT)) {
        __builtin_trap();
    }
    return 0;
}
