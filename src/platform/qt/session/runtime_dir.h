// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime directory Qt needs, supplied for as long as a Qt application runs.
#pragma once

#include <QTemporaryDir>

#include <memory>

// Qt wants XDG_RUNTIME_DIR, which is unset under CI and over ssh. While this object
// lives, a missing one is replaced by a private directory (mode 0700) of our own.
class RuntimeDir {
  public:
    RuntimeDir();
    ~RuntimeDir();
    RuntimeDir(const RuntimeDir&) = delete;
    RuntimeDir& operator=(const RuntimeDir&) = delete;

  private:
    std::unique_ptr<QTemporaryDir> own_;
};
