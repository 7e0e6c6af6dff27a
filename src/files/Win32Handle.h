#pragma once
// What the Windows file code shares: a handle closed by its owner, and reads
// and writes that move every byte asked for. Only the *Win32.cpp files of
// this folder include it.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Opened for every kind of sharing: a scanner, an indexer or a viewer that
// has the file open neither stops this program nor is stopped by it.
constexpr DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(m_handle);
    }
    FileHandle(FileHandle&& other) noexcept : m_handle(other.m_handle) {
        other.m_handle = INVALID_HANDLE_VALUE;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle& operator=(FileHandle&&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    // Closes now and reports what closing says.
    bool close(DWORD& error) {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (CloseHandle(handle)) return true;
        error = GetLastError();
        return false;
    }

  private:
    HANDLE m_handle;
};

// Runs `step` (ReadFile or WriteFile) until all `size` bytes are done, in
// pieces a DWORD can count; a step that moves nothing counts as a file cut
// short.
template <typename Step> inline bool TransferAll(std::size_t size, DWORD& error, Step step) {
    std::size_t done = 0;
    while (done < size) {
        const DWORD piece = DWORD(std::min<std::size_t>(size - done, 1u << 30));
        DWORD moved = 0;
        if (!step(done, piece, moved)) {
            error = GetLastError();
            return false;
        }
        if (moved == 0) {
            error = ERROR_HANDLE_EOF;
            return false;
        }
        done += moved;
    }
    return true;
}

inline bool WriteAll(HANDLE file, const std::uint8_t* bytes, std::size_t size, DWORD& error) {
    return TransferAll(size, error, [&](std::size_t at, DWORD piece, DWORD& moved) {
        return WriteFile(file, bytes + at, piece, &moved, nullptr) != 0;
    });
}

inline bool ReadAll(HANDLE file, std::uint8_t* bytes, std::size_t size, DWORD& error) {
    return TransferAll(size, error, [&](std::size_t at, DWORD piece, DWORD& moved) {
        return ReadFile(file, bytes + at, piece, &moved, nullptr) != 0;
    });
}
