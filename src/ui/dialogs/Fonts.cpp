#include "ui/dialogs/Fonts.h"

#include "ui/dialogs/DialogFonts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/Registry.h"

#include <QWidget>

#include <map>
#include <optional>

namespace {

constexpr std::int32_t FIRST_PROGRAM_FONT = 4;
constexpr std::size_t MAX_FACE_LENGTH = 31;

struct FontRecord {
    QString face;
    double points = 8;
    std::uint32_t styleBits = 0;
    std::optional<QFont> made; // made on first use
};

std::map<std::int32_t, FontRecord>& Table() {
    static std::map<std::int32_t, FontRecord> table{
        {DIALOG_FONT, FontRecord{QStringLiteral("MS Sans Serif"), 8, 0, std::nullopt}}};
    return table;
}

std::int32_t nextFont = FIRST_PROGRAM_FONT;

QFont Make(const FontRecord& record) {
    QFont font(record.face);
    // A missing face falls back to the nearest sans-serif face installed.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(PointsToPixels(record.points));
    font.setBold(record.styleBits & FONT_BOLD);
    font.setItalic(record.styleBits & FONT_ITALIC);
    font.setUnderline(record.styleBits & FONT_UNDERLINE);
    font.setStrikeOut(record.styleBits & FONT_STRIKEOUT);
    return font;
}

QFont Use(std::int32_t number) {
    auto& table = Table();
    auto it = table.find(number);
    if (it == table.end()) it = table.find(DIALOG_FONT);
    if (!it->second.made) it->second.made = Make(it->second);
    return *it->second.made;
}

void CountUser(ControlRecord& control, void* context) {
    auto* state = static_cast<std::pair<std::int32_t, int>*>(context);
    if (control.font == state->first) ++state->second;
}

} // namespace

QFont DialogFont() { return Use(DIALOG_FONT); }

std::int32_t NewFont(const std::string& face, double points, std::uint32_t styleBits,
                     std::uint8_t, std::uint8_t, std::int32_t) {
    FontRecord record;
    record.face = QString::fromStdString(face).left(MAX_FACE_LENGTH);
    record.points = points == 0 ? 8 : points;
    record.styleBits = styleBits;
    const std::int32_t number = nextFont++;
    Table()[number] = record;
    return number;
}

void SetControlFont(Handle dialog, std::int32_t controlId, std::int32_t font) {
    ControlRecord* control = FindControlById(dialog, controlId);
    if (!control || !control->widget) return;
    if (font == 0) font = DIALOG_FONT;
    if (!Table().count(font)) return;
    control->font = font;
    control->widget->setFont(Use(font));
}

void EndFont(std::int32_t font) {
    if (font < FIRST_PROGRAM_FONT) return;
    const auto it = Table().find(font);
    if (it == Table().end()) return;
    std::pair<std::int32_t, int> users{font, 0};
    ForEachControlRecord(CountUser, &users);
    if (users.second == 0) it->second.made.reset();
}
