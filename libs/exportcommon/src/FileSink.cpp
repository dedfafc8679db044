#include "FileSink.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
}

FileSink::~FileSink() {
    discard();
}

bool FileSink::open(const std::string& targetPath) {
    discard();
    target_ = targetPath;
    buffer_.clear();
    buffer_.reserve(kBufferSize);
    offset_ = 0;
    error_.clear();
    ok_ = false;
    if (targetPath.empty() || targetPath.back() == '/') {
        error_ = "output path names no file";
        return false;
    }
    // An existing document is replaced with the same permissions (a 640 file stays private);
    // anything but a regular file (a FIFO, a device, a folder) is never replaced by one.
    struct stat existing {};
    keepMode_ = -1;
    if (::stat(targetPath.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            error_ = "output path exists and is not a regular file";
            return false;
        }
        keepMode_ = int(existing.st_mode & 07777);
    }
    // The temporary name is unique per process and call, and created exclusively, so two exports to
    // the same folder at once never share a file. The mode lets the umask decide, as for any
    // ordinary new document.
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = targetPath + ".part-" + std::to_string(getpid()) + "-" +
                std::to_string(counter.fetch_add(1));
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0 || errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        error_ = std::string("cannot create output file: ") + std::strerror(errno);
        temp_.clear();
        return false;
    }
    ok_ = true;
    return true;
}

void FileSink::fail(const char* what) {
    if (ok_)
        error_ = std::string(what) + ": " + std::strerror(errno);
    ok_ = false;
}

bool FileSink::flush() {
    std::size_t done = 0;
    while (ok_ && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail("write failed");
            break;
        }
        done += std::size_t(n);
    }
    buffer_.clear();
    return ok_;
}

void FileSink::write(const void* data, std::size_t size) {
    if (!ok_)
        return;
    const char* p = static_cast<const char*>(data);
    offset_ += size;
    if (buffer_.size() + size > kBufferSize) {
        if (!flush())
            return;
        if (size >= kBufferSize) {  // large blocks go straight through
            buffer_.assign(p, p + size);
            flush();
            return;
        }
    }
    buffer_.insert(buffer_.end(), p, p + size);
}

void FileSink::copyFrom(int fd, uint64_t length) {
    if (!ok_ || !flush())
        return;
    // copy_file_range keeps the bytes inside the kernel; where it is not available (another file
    // system, an old kernel) fall back to a plain read/write loop.
    loff_t in = 0;
    uint64_t left = length;
    while (left > 0) {
        const ssize_t n = ::copy_file_range(fd, &in, fd_, nullptr, std::size_t(left), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        left -= uint64_t(n);
    }
    std::vector<char> chunk;
    while (left > 0 && ok_) {
        if (chunk.empty())
            chunk.resize(kBufferSize);
        const std::size_t want = left < chunk.size() ? std::size_t(left) : chunk.size();
        const ssize_t n = ::pread(fd, chunk.data(), want, off_t(in));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            fail("source file shorter than expected");
            return;
        }
        std::size_t done = 0;
        while (done < std::size_t(n)) {
            const ssize_t w = ::write(fd_, chunk.data() + done, std::size_t(n) - done);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                fail("write failed");
                return;
            }
            done += std::size_t(w);
        }
        in += n;
        left -= uint64_t(n);
    }
    offset_ += length;
}

bool FileSink::commit() {
    if (fd_ < 0)
        return false;
    flush();
    if (ok_ && keepMode_ >= 0 && ::fchmod(fd_, mode_t(keepMode_)) != 0)
        fail("cannot keep the permissions of the file it replaces");
    if (::close(fd_) != 0)
        fail("close failed");
    fd_ = -1;
    if (ok_ && std::rename(temp_.c_str(), target_.c_str()) != 0)
        fail("cannot move the finished file into place");
    if (!ok_) {
        ::unlink(temp_.c_str());
        temp_.clear();
        return false;
    }
    temp_.clear();
    return true;
}

void FileSink::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    ok_ = false;
}
