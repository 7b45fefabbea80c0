#pragma once
// A small tmpfs mounted on a folder of its own, to make a full disk or a
// read-only folder for the writers' failure tests. Mounting needs a privilege
// (CAP_SYS_ADMIN) a plain run may not have, so ok() says whether it worked and
// the tests skip when it did not.
#include <filesystem>
#include <fstream>
#include <string>

#ifdef __linux__
#include <sys/mount.h>
#endif

namespace plotwise::test {

class SmallTmpfs {
public:
    explicit SmallTmpfs(const std::string& folder) : folder_(folder) {
        std::filesystem::create_directories(folder_);
#ifdef __linux__
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=256k") == 0;
#endif
    }
    ~SmallTmpfs() {
#ifdef __linux__
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
#endif
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool ok() const { return mounted_; }
    bool makeReadOnly() const {
#ifdef __linux__
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k") == 0;
#else
        return false;
#endif
    }
    // Fills the file system until no byte is left.
    void fill() const {
        std::ofstream out(folder_ + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {}
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

} // namespace plotwise::test
