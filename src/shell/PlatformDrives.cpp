// Drives of the drive selector: the mounted volumes' roots.
#include "LocalPlatform.h"

#include "curvefiles/FileSystem.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace plotwise {
namespace {

std::string nativeText(const QString& path) {
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
}

#ifndef _WIN32
// Real storage only: block devices and network shares, not the kernel's own
// file systems or the package manager's images.
bool listedVolume(const QStorageInfo& volume) {
    const QString root = volume.rootPath();
    if (root == QLatin1String("/")) return true;
    for (const char* hidden : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/var/lib"})
        if (root.startsWith(QLatin1String(hidden)) && !root.startsWith(QLatin1String("/run/media")))
            return false;
    if (!QFileInfo(root).isDir()) return false;
    const QByteArray type = volume.fileSystemType();
    if (type == "squashfs" || type == "tmpfs" || type == "overlay") return false;
    const QByteArray device = volume.device();
    return device.startsWith("/dev/") || type.startsWith("nfs") || type == "cifs" ||
           type == "smbfs" || type.startsWith("fuse.");
}
#endif

} // namespace

std::vector<DriveEntry> LocalPlatform::drives() const {
    std::vector<DriveEntry> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
#ifdef _WIN32
        if (!volume.isValid()) continue;
#else
        if (!volume.isValid() || !listedVolume(volume)) continue;
#endif
        DriveEntry drive;
        drive.root = nativeText(volume.rootPath());
        drive.text = drive.root;
        if (!volume.name().isEmpty())
            drive.text += " [" + volume.name().toUtf8().toStdString() + "]";
        if (std::none_of(drives.begin(), drives.end(),
                         [&](const DriveEntry& d) { return d.root == drive.root; }))
            drives.push_back(drive);
    }
    std::sort(drives.begin(), drives.end(), [](const DriveEntry& a, const DriveEntry& b) {
        return listOrderLess(a.root, b.root);
    });
    return drives;
}

} // namespace plotwise
