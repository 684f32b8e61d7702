#include "shell/volume_table.h"

#include <gtest/gtest.h>

using lukana::persistentMountPoints;

TEST(VolumeTable, OnlyPersistentWritableVolumesOutsideTheSystemFolders) {
    // A desktop's table with the usual kernel, memory and container mounts between the disks.
    const char* table = "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
                        "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
                        "udev /dev devtmpfs rw,nosuid,relatime,size=8g 0 0\n"
                        "devpts /dev/pts devpts rw,nosuid,noexec,relatime 0 0\n"
                        "tmpfs /run tmpfs rw,nosuid,nodev,noexec,relatime 0 0\n"
                        "/dev/sda2 / ext4 rw,relatime,errors=remount-ro 0 0\n"
                        "tmpfs /dev/shm tmpfs rw,nosuid,nodev 0 0\n"
                        "cgroup2 /sys/fs/cgroup cgroup2 rw,nosuid,nodev,noexec 0 0\n"
                        "/dev/sda1 /boot/efi vfat rw,relatime,fmask=0077 0 0\n"
                        "/dev/sda3 /var ext4 rw,relatime 0 0\n"
                        "/dev/sda4 /home ext4 rw,relatime 0 0\n"
                        "tmpfs /tmp tmpfs rw,nosuid,nodev 0 0\n"
                        "/dev/loop0 /snap/core/1 squashfs ro,nodev,relatime 0 0\n"
                        "overlay /var/lib/docker/overlay2/x/merged overlay rw,relatime 0 0\n"
                        "/dev/sdb1 /run/media/owner/USB\\040STICK vfat rw,nosuid,nodev 0 0\n"
                        "/dev/sdc1 /media/owner/CDROM iso9660 ro,nosuid,nodev 0 0\n"
                        "/dev/sdd1 /mnt/backup ext4 rw,relatime 0 0\n"
                        "/dev/sdd1 /mnt/backup ext4 rw,relatime 0 0\n"
                        "tmpfs /run/user/1000 tmpfs rw,nosuid,nodev,relatime 0 0\n"
                        "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw,nosuid 0 0\n"
                        "server:/export /nfs nfs4 rw,relatime 0 0\n"
                        "broken line\n";
    EXPECT_EQ(persistentMountPoints(table),
              (std::vector<std::string>{"/", "/home", "/run/media/owner/USB STICK", "/mnt/backup",
                                        "/nfs"}));
}

TEST(VolumeTable, SystemFoldersAreMatchedByWholeNames) {
    // "/variety" is no part of "/var"; "/runner" none of "/run".
    const char* table = "/dev/sda5 /variety ext4 rw 0 0\n"
                        "/dev/sda6 /runner xfs rw 0 0\n"
                        "/dev/sda7 /usr/local ext4 rw 0 0\n";
    EXPECT_EQ(persistentMountPoints(table), (std::vector<std::string>{"/variety", "/runner"}));
    EXPECT_TRUE(persistentMountPoints("").empty());
}
