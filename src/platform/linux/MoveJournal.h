#pragma once

#include "core/PosixFile.h"

#include <functional>
#include <string>

namespace pelmo {

// What lets a move to the Trash that was cut short (a kill between writing the info file
// and moving the item) be tidied later: one small file per move in flight, locked by the
// process that makes the move for as long as the move lasts. A record whose lock is free
// belongs to a process that is gone.
class MoveJournal
{
public:
    // An empty folder name keeps no journal.
    explicit MoveJournal(std::string folder);

    class Record
    {
    public:
        Record() = default;
        Record(Record &&) noexcept = default;
        Record &operator=(Record &&) noexcept = default;
        ~Record();
        // The name the info file is about to be made under; the last one set counts.
        void setName(const std::string &name);

    private:
        friend class MoveJournal;
        PosixFile::UniqueFd m_fd;
        std::string m_path;
    };

    // Opens the record of a move of `original` into the Trash folder `trashFolder`; it ends
    // (and its file goes) when the record is destroyed.
    [[nodiscard]] Record begin(const std::string &trashFolder, const std::string &original) const;

    // A move whose process ended after the item moved: the Trash folder, the item's name in
    // its files folder, and where it came from.
    struct Finished
    {
        std::string trashFolder;
        std::string name;
        std::string original;
    };

    // Removes the info file of every move whose process ended before the item moved: the
    // item is still at its original place, its name in the Trash holds nothing, and the
    // info file is empty or names that place. A move that finished (the item is in the Trash
    // under its name, the info file names its place) goes to `finished`; its record stays
    // when that answers false. Records of moves still running are left alone.
    void recover(const std::function<bool(const Finished &)> &finished) const;

private:
    std::string m_folder;
};

} // namespace pelmo
