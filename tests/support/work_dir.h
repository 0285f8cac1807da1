// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A whole file's bytes; empty when it cannot be read.
inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A fresh, empty working directory for as long as it lives: the program reads and
// writes the bare name korvel.dat in the working directory, so every test that
// touches the file gets a folder of its own.
class ScopedWorkDir {
  public:
    explicit ScopedWorkDir(const char* name = "korvel-test") {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / name).string() + ".XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary directory";
            return;
        }
        dir_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }

    ~ScopedWorkDir() {
        namespace fs = std::filesystem;
        if (dir_.empty())
            return;
        std::error_code ec;
        fs::current_path(previous_, ec);
        // A test may have taken permissions away to make a step fail.
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& Path() const { return dir_; }

  private:
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};
