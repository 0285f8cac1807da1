// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <sys/fsuid.h>
#include <unistd.h>

// File permissions as an ordinary user meets them, also when the tests run as root:
// for as long as it lives, file access is checked as user nobody (the file-system
// user and group of this thread only; root's override of permissions goes with
// them), and the folder given is nobody's, so that nobody may create files in it.
// Run as an ordinary user it changes nothing: the permissions apply anyway.
class AsOrdinaryUser {
  public:
    static constexpr uid_t kNobody = 65534;

    explicit AsOrdinaryUser(const std::filesystem::path& folder) {
        if (::geteuid() != 0)
            return;
        dropped_ = ::chown(folder.c_str(), kNobody, kNobody) == 0;
        if (dropped_) {
            ::setfsgid(kNobody);
            ::setfsuid(kNobody);
            dropped_ = ::setfsuid(static_cast<uid_t>(-1)) == static_cast<int>(kNobody);
        }
    }
    ~AsOrdinaryUser() {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    // False when running as root and the change did not take.
    bool Ok() const { return dropped_ || ::geteuid() != 0; }

  private:
    bool dropped_ = false;
};
