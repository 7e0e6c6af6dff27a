#include "ui/dialogs/Fonts.h"

#include "ui/Backend.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/FontTable.h"
#include "ui/dialogs/Registry.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr std::int32_t FIRST_PROGRAM_FONT = 4;
// In UTF-16 code units, as the face names of the fonts' system are counted.
constexpr std::size_t MAX_FACE_LENGTH = 31;

struct FontRecord {
    std::string face;
    double points = 8;
    std::uint32_t styleBits = 0;
    void* made = nullptr; // the backend's, made on first use
};

std::map<std::int32_t, FontRecord>& Table() {
    static std::map<std::int32_t, FontRecord> table{
        {DIALOG_FONT, FontRecord{"MS Sans Serif", 8, 0, nullptr}}};
    return table;
}

std::int32_t nextFont = FIRST_PROGRAM_FONT;

// The face's first MAX_FACE_LENGTH UTF-16 code units, never splitting a
// character: a character beyond the Basic Multilingual Plane counts as two.
std::string CutFace(const std::string& face) {
    std::size_t units = 0, end = 0;
    while (end < face.size()) {
        const auto lead = static_cast<unsigned char>(face[end]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t width = length == 4 ? 2 : 1;
        if (units + width > MAX_FACE_LENGTH) break;
        units += width;
        end = std::min(face.size(), end + length);
    }
    return face.substr(0, end);
}

void CountUser(ControlRecord& control, void* context) {
    auto* state = static_cast<std::pair<std::int32_t, int>*>(context);
    if (control.font == state->first) ++state->second;
}

} // namespace

void* BackendFontOf(std::int32_t number) {
    UiBackend* backend = CurrentUiBackend();
    if (!backend) return nullptr;
    auto& table = Table();
    auto it = table.find(number);
    if (it == table.end()) it = table.find(DIALOG_FONT);
    FontRecord& record = it->second;
    if (!record.made) {
        BackendFont font;
        font.face = record.face;
        font.pixelSize = PointsToPixels(record.points);
        font.bold = record.styleBits & FONT_BOLD;
        font.italic = record.styleBits & FONT_ITALIC;
        font.underline = record.styleBits & FONT_UNDERLINE;
        font.strikeOut = record.styleBits & FONT_STRIKEOUT;
        record.made = backend->MakeFont(font);
    }
    return record.made;
}

std::int32_t NewFont(const std::string& face, double points, std::uint32_t styleBits,
                     std::uint8_t, std::uint8_t, std::int32_t) {
    FontRecord record;
    record.face = CutFace(face);
    record.points = points == 0 ? 8 : points;
    record.styleBits = styleBits;
    const std::int32_t number = nextFont++;
    Table()[number] = record;
    return number;
}

void SetControlFont(Handle dialog, std::int32_t controlId, std::int32_t font) {
    UiBackend* backend = CurrentUiBackend();
    ControlRecord* control = FindControlById(dialog, controlId);
    if (!backend || !control || !control->widget) return;
    if (font == 0) font = DIALOG_FONT;
    if (!Table().count(font)) return;
    control->font = font;
    backend->SetControlFont(control->widget, BackendFontOf(font));
}

void EndFont(std::int32_t font) {
    if (font < FIRST_PROGRAM_FONT) return;
    const auto it = Table().find(font);
    if (it == Table().end()) return;
    std::pair<std::int32_t, int> users{font, 0};
    ForEachControlRecord(CountUser, &users);
    if (users.second == 0 && it->second.made) {
        if (UiBackend* backend = CurrentUiBackend()) backend->ReleaseFont(it->second.made);
        it->second.made = nullptr;
    }
}
