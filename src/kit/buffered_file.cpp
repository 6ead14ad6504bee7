#include "kit/buffered_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kit {

BufferedFile::BufferedFile(bool writing) : writing_(writing), buffer_(std::make_unique<char[]>(kStreamBufferSize)) {}

std::optional<std::size_t> BufferedFile::Read(char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    if (begin_ == end_) {
      const std::optional<std::size_t> got = ReadSome(buffer_.get(), kStreamBufferSize);
      if (!got) return std::nullopt;
      if (*got == 0) break;  // end of file
      begin_ = 0;
      end_ = *got;
    }
    const std::size_t take = std::min(size - done, end_ - begin_);
    std::memcpy(buffer + done, buffer_.get() + begin_, take);
    begin_ += take;
    done += take;
  }
  return done;
}

bool BufferedFile::Write(const char* data, std::size_t size) {
  while (size > 0) {
    if (end_ == kStreamBufferSize) {
      if (!WriteAll(buffer_.get(), end_)) return false;
      end_ = 0;
    }
    const std::size_t take = std::min(size, kStreamBufferSize - end_);
    std::memcpy(buffer_.get() + end_, data, take);
    end_ += take;
    data += take;
    size -= take;
  }
  return true;
}

bool BufferedFile::WriteOutHeldBytes() {
  if (!writing_) return true;
  if (!WriteAll(buffer_.get(), end_)) return false;
  end_ = 0;
  return true;
}

bool BufferedFile::WriteAll(const char* data, std::size_t size) {
  while (size > 0) {
    const std::optional<std::size_t> written = WriteSome(data, size);
    if (!written) return false;
    data += *written;
    size -= *written;
  }
  return true;
}

FileHandle ToHandle(BufferedFile* file) { return static_cast<FileHandle>(reinterpret_cast<std::uintptr_t>(file)); }

BufferedFile& FromHandle(FileHandle file) {
  return *reinterpret_cast<BufferedFile*>(static_cast<std::uintptr_t>(file));
}

}  // namespace kit
