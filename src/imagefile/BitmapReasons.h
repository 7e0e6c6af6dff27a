#pragma once
// Why a bitmap file was refused, one text per check. They are diagnostics for
// logs and tests; the user is shown the file's name in the refusal box.

#include <string>

// Notes why a file is refused, for a caller that asked (a reason that is not
// null), and gives what the refusing check returns: false, or nothing.
template <typename Refused = bool> Refused Refuse(std::string* reason, const char* why) {
    if (reason != nullptr) *reason = why;
    return Refused{};
}

constexpr const char* REASON_NO_SUCH_FILE = "the file does not exist";
constexpr const char* REASON_CANNOT_READ = "the file cannot be opened or read";
constexpr const char* REASON_NOT_A_FILE = "the name is not a regular file";
constexpr const char* REASON_FILE_TOO_BIG = "the file is larger than any admitted image needs";
constexpr const char* REASON_NOT_A_BITMAP = "the file does not start with the bitmap signature";
constexpr const char* REASON_HEADER_CUT_SHORT = "the file ends inside its headers";
constexpr const char* REASON_UNKNOWN_HEADER = "the info header size is not one the reader knows";
constexpr const char* REASON_TOO_LARGE = "the image is wider or taller than 500 pixels";
constexpr const char* REASON_BAD_SIZE = "the image's width or height is below 1";
constexpr const char* REASON_BAD_PLANES = "the plane count is not 1";
constexpr const char* REASON_BAD_BIT_COUNT = "the bits per pixel are not 1, 4, 8, 16, 24 or 32";
constexpr const char* REASON_BAD_COMPRESSION =
    "the compression is unknown or does not fit the bits per pixel";
constexpr const char* REASON_TOP_DOWN_RUN_LENGTH = "a top-down image cannot be run-length coded";
constexpr const char* REASON_PALETTE_TOO_LARGE = "the colour table has more than 256 entries";
constexpr const char* REASON_TABLES_PAST_END =
    "the colour table or the bit-field masks run past the end of the file";
constexpr const char* REASON_DATA_OFFSET_PAST_END =
    "the pixel data offset is past the end of the file";
constexpr const char* REASON_DATA_OFFSET_INSIDE_TABLES =
    "the pixel data offset points inside the headers or the colour table";
constexpr const char* REASON_ROWS_CUT_SHORT = "the pixel data is shorter than its rows need";
constexpr const char* REASON_RUN_LENGTH_CUT_SHORT =
    "the run-length data ends before its end-of-image code";
constexpr const char* REASON_RUN_PAST_ROW = "a run-length code writes past the end of a row";
constexpr const char* REASON_JUMP_PAST_IMAGE = "a run-length jump leaves the image";
