#pragma once
// What the POSIX file code shares: a descriptor closed by its owner, and
// reads and writes that move every byte asked for. Only the *Posix.cpp files
// of this folder include it.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <sys/types.h>
#include <unistd.h>

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports what closing says: some file systems report
    // write errors only here.
    bool close(int& error) {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) == 0) return true;
        error = errno;
        return false;
    }

  private:
    int m_fd;
};

// Runs `step` (read or write) until all `size` bytes are done, retrying when
// interrupted; a step that moves nothing counts as an I/O error.
template <typename Step> inline bool TransferAll(std::size_t size, int& error, Step step) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t moved = step(done, size - done);
        if (moved < 0 && errno == EINTR) continue;
        if (moved <= 0) {
            error = moved < 0 ? errno : EIO;
            return false;
        }
        done += std::size_t(moved);
    }
    return true;
}

inline bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t size, int& error) {
    return TransferAll(size, error, [&](std::size_t at, std::size_t left) {
        return ::write(fd, bytes + at, left);
    });
}

inline bool ReadAll(int fd, std::uint8_t* bytes, std::size_t size, int& error) {
    return TransferAll(size, error, [&](std::size_t at, std::size_t left) {
        return ::read(fd, bytes + at, left);
    });
}
