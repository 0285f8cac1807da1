// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frame.h"

class TDrawApp : public TApplication {
  public:
    void InitMainWindow() override;
};
