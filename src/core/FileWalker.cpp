#include "core/FileWalker.h"

#include "core/DirectoryListing.h"
#include "core/PosixFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace pelmo::FileWalker {
namespace {

using PosixFile::UniqueFd;

// Open folder descriptors beyond this are closed (oldest first) and reopened by name
// when the walk climbs back, so that very deep trees never exhaust descriptors.
constexpr size_t kMaxOpenFolders = 64;

struct Listed
{
    size_t nameOffset;
    size_t nameLength;
    unsigned char type; // d_type
    ino_t inode;
};

struct Frame
{
    UniqueFd fd;
    std::string names; // all names of the folder, back to back
    std::vector<Listed> entries;
    size_t next = 0;
    size_t pathLength = 0; // length of the folder's own path in the path buffer
    std::string ownName;   // for reopening from the parent
    ino_t ownInode = 0;
    int depth = 0;

    [[nodiscard]] std::string_view nameAt(size_t i) const
    {
        return {names.data() + entries[i].nameOffset, entries[i].nameLength};
    }
};

// Reads the whole listing up front so the descriptor is needed only for fstatat/openat.
void readListing(Frame &frame, const Options &options)
{
    DirectoryListing::read(frame.fd.get(), [&](std::string_view name, unsigned char type, ino_t inode) {
        if (options.skipHidden && name.front() == '.')
            return;
        frame.entries.push_back({frame.names.size(), name.size(), type, inode});
        frame.names.append(name);
    });
}

EntryType typeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryType::RegularFile;
    if (S_ISDIR(mode))
        return EntryType::Directory;
    if (S_ISLNK(mode))
        return EntryType::Symlink;
    return EntryType::Other;
}

class Walk
{
public:
    Walk(const Options &options, const Visitor &visit)
        : m_options(options)
        , m_visit(visit)
    { }

    bool run(std::string_view root)
    {
        UniqueFd fd = PosixFile::openPath(root, O_RDONLY | O_DIRECTORY);
        if (!fd)
            return false;
        if (const struct stat *expected = m_options.expectedRoot) {
            struct stat st
            {
            };
            if (::fstat(fd.get(), &st) != 0 || st.st_dev != expected->st_dev || st.st_ino != expected->st_ino)
                return false;
        }
        m_path.assign(root);
        while (!m_path.empty() && m_path.back() == '/')
            m_path.pop_back(); // "/" becomes "", so its children read "/name"
        push(std::move(fd), {}, 0);
        while (!m_stack.empty())
            step();
        return true;
    }

private:
    void push(UniqueFd fd, std::string_view name, ino_t inode)
    {
        Frame frame;
        frame.fd = std::move(fd);
        frame.pathLength = m_path.size();
        frame.ownName.assign(name);
        frame.ownInode = inode;
        frame.depth = static_cast<int>(m_stack.size());
        readListing(frame, m_options);
        m_stack.push_back(std::move(frame));
        if (++m_openCount > kMaxOpenFolders)
            closeOldest();
    }

    void closeOldest()
    {
        // The root (index 0) stays open: every reopen starts from some open ancestor.
        for (size_t i = 1; i + 1 < m_stack.size(); ++i) {
            if (m_stack[i].fd) {
                m_stack[i].fd.reset();
                --m_openCount;
                return;
            }
        }
    }

    // Reopens a frame whose descriptor was given up, from its nearest open ancestor.
    // A folder that was replaced meanwhile (another inode) ends that frame.
    bool reopen(size_t index)
    {
        size_t open = index;
        while (!m_stack[open].fd)
            --open;
        for (size_t i = open + 1; i <= index; ++i) {
            Frame &frame = m_stack[i];
            UniqueFd fd(::openat(
                m_stack[i - 1].fd.get(), frame.ownName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            struct stat st
            {
            };
            if (!fd || ::fstat(fd.get(), &st) != 0 || st.st_ino != frame.ownInode)
                return false;
            frame.fd = std::move(fd);
            if (++m_openCount > kMaxOpenFolders)
                closeOldest();
        }
        return true;
    }

    void pop()
    {
        if (m_stack.back().fd)
            --m_openCount;
        m_stack.pop_back();
        if (!m_stack.empty())
            m_path.resize(m_stack.back().pathLength);
    }

    void step()
    {
        const size_t index = m_stack.size() - 1;
        Frame &frame = m_stack.back();
        if (frame.next >= frame.entries.size()) {
            pop();
            return;
        }
        if (!frame.fd && !reopen(index)) {
            pop();
            return;
        }
        const size_t i = frame.next++;
        const Listed listed = frame.entries[i];
        const std::string_view name = frame.nameAt(i);
        m_path.resize(frame.pathLength);
        m_path.push_back('/');
        m_path.append(name);
        const std::string nameText(name); // stable for the system calls below

        struct stat st
        {
        };
        EntryType type = EntryType::Other;
        switch (listed.type) {
        case DT_LNK:
            type = EntryType::Symlink;
            break;
        case DT_DIR:
            if (!m_options.statFolders) {
                type = EntryType::Directory;
                break;
            }
            [[fallthrough]];
        case DT_REG:
        case DT_UNKNOWN:
            if (::fstatat(frame.fd.get(), nameText.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                return; // vanished
            type = typeOf(st.st_mode);
            break;
        default:
            break;
        }

        const int depth = frame.depth + 1;
        const bool stated = type == EntryType::RegularFile || (type == EntryType::Directory && m_options.statFolders);
        const Entry entry {name, m_path, type, stated ? &st : nullptr, depth};
        const Action action = m_visit(entry);
        if (type != EntryType::Directory || action == Action::SkipChildren)
            return;
        if (m_options.skipPackages && isPackageName(name))
            return;
        UniqueFd child(::openat(frame.fd.get(), nameText.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!child)
            return;
        push(std::move(child), name, listed.inode); // invalidates `frame`
    }

    const Options &m_options;
    const Visitor &m_visit;
    std::vector<Frame> m_stack;
    std::string m_path;
    size_t m_openCount = 0;
};

} // namespace

bool walk(std::string_view root, const Options &options, const Visitor &visit)
{
    return Walk(options, visit).run(root);
}

std::optional<std::vector<std::string>> tryListChildren(std::string_view folder)
{
    const PosixFile::UniqueFd fd = PosixFile::openPath(folder, O_RDONLY | O_DIRECTORY);
    if (!fd)
        return std::nullopt;
    std::vector<std::string> names;
    const bool complete = DirectoryListing::read(fd.get(), [&](std::string_view name, unsigned char, ino_t) {
        if (name.front() != '.')
            names.emplace_back(name);
    });
    if (!complete)
        return std::nullopt;
    return names;
}

std::vector<std::string> listChildren(std::string_view folder)
{
    return tryListChildren(folder).value_or(std::vector<std::string>());
}

bool isPackageName(std::string_view name)
{
    static constexpr std::array<std::string_view, 21> kPackageExtensions = {"app", "bundle", "framework", "plugin",
        "kext", "photoslibrary", "imovielibrary", "fcpbundle", "tvlibrary", "musiclibrary", "logicx", "band", "pages",
        "numbers", "key", "rtfd", "xcodeproj", "xcworkspace", "xcarchive", "playground", "sparsebundle"};
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
        return false;
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kPackageExtensions.begin(), kPackageExtensions.end(), extension) != kPackageExtensions.end();
}

} // namespace pelmo::FileWalker
