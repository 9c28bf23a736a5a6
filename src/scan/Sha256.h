#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace pelmo {

using Sha256Digest = std::array<std::uint8_t, 32>;

// Hashes files one at a time with OpenSSL's SHA-256, reading 64 KiB at a time through one
// reused buffer, so memory stays bounded whatever the file sizes. Not thread-safe: one
// hasher per thread.
class FileHasher
{
public:
    FileHasher();
    ~FileHasher();
    FileHasher(const FileHasher &) = delete;
    FileHasher &operator=(const FileHasher &) = delete;

    // The digest of the first `limit` bytes (all bytes without a limit), or nothing when
    // the file cannot be opened as a regular file. A read error part-way ends the reading
    // and yields the digest of the bytes read so far.
    [[nodiscard]] std::optional<Sha256Digest> hash(std::string_view path, std::optional<std::int64_t> limit = {});

private:
    struct Context;
    std::unique_ptr<Context> m_context;
    std::vector<unsigned char> m_buffer;
};

} // namespace pelmo
