#include "Sha256.h"

#include "core/PosixFile.h"

#include <openssl/evp.h>

#include <algorithm>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmo {

struct FileHasher::Context
{
    EVP_MD_CTX *ctx = EVP_MD_CTX_new();
    ~Context() { EVP_MD_CTX_free(ctx); }
};

namespace {
// Reads stay far below the 1 MiB bound: a 64 KiB buffer stays in the CPU cache between the
// kernel's copy and the hash, which measured a third faster than 1 MiB reads.
constexpr size_t kChunk = 64 * size_t {1024};
} // namespace

FileHasher::FileHasher()
    : m_context(std::make_unique<Context>())
    , m_buffer(kChunk)
{ }

FileHasher::~FileHasher() = default;

std::optional<Sha256Digest> FileHasher::hash(std::string_view path, std::optional<std::int64_t> limit)
{
    // O_NONBLOCK: a file swapped for a FIFO since the walk must not stall the scan.
    PosixFile::UniqueFd fd = PosixFile::openPath(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    struct stat st
    {
    };
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || !m_context->ctx)
        return std::nullopt;
    if (!limit)
        ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    EVP_DigestInit_ex(m_context->ctx, EVP_sha256(), nullptr);
    std::int64_t remaining = limit.value_or(std::numeric_limits<std::int64_t>::max());
    while (remaining > 0) {
        const size_t want = static_cast<size_t>(std::min<std::int64_t>(remaining, kChunk));
        const ssize_t got = ::read(fd.get(), m_buffer.data(), want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        EVP_DigestUpdate(m_context->ctx, m_buffer.data(), static_cast<size_t>(got));
        remaining -= got;
    }
    Sha256Digest digest {};
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_context->ctx, digest.data(), &length);
    return digest;
}

} // namespace pelmo
