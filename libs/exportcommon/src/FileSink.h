#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Buffered writer for a document that must never be seen half-written: it writes to a new file
// beside the target and renames it over the target only in commit(). Anything else (an error, an
// early return, an exception) removes the partial file and leaves an older file of that name as
// it was. Every failing system call latches the sink into a failed state; callers check ok() or
// the result of commit() instead of every single write.
class FileSink {
public:
    FileSink() = default;
    ~FileSink();
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    // Creates the temporary file in the folder of targetPath. False when that folder does not exist
    // or cannot be written.
    bool open(const std::string& targetPath);

    void write(const void* data, std::size_t size);
    void write(const std::string& text) { write(text.data(), text.size()); }
    // Appends exactly `length` bytes of the open file descriptor `fd`, read from offset 0. Fails if
    // the source turns out shorter (a file that shrank after it was measured).
    void copyFrom(int fd, uint64_t length);

    // Bytes written so far: the offset of the next byte, as PDF cross-references need.
    uint64_t offset() const { return offset_; }
    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }

    // Flushes, closes and renames into place. False (and the temporary file removed) on any error.
    bool commit();

private:
    bool flush();
    void fail(const char* what);
    void discard();

    int fd_ = -1;
    std::string target_;
    std::string temp_;
    std::vector<char> buffer_;
    uint64_t offset_ = 0;
    bool ok_ = false;
    int keepMode_ = -1;  // permissions of the file being replaced, -1 for a new one
    std::string error_;
};
